#pragma once
// Two hundred ordinary words a teacher puts into a school crossword: nouns, verbs and
// adjectives of the classroom, nature, the body, food, weather, places and feelings, with a few
// answers of two words and one with a hyphen, as they are typed into the word list.
#include <string>
#include <vector>

namespace qf::test {

inline const std::vector<std::string> kSchoolWords = {
    "APPLE", "BANANA", "CARROT", "BREAD", "CHEESE", "BUTTER", "HONEY", "SUGAR",
    "SOUP", "SALAD", "PENCIL", "ERASER", "RULER", "NOTEBOOK", "BACKPACK", "TEACHER",
    "STUDENT", "LIBRARY", "CLASSROOM", "BLACKBOARD", "HOMEWORK", "LESSON", "SCIENCE", "HISTORY",
    "MUSIC", "PAINT", "BRUSH", "SCISSORS", "GLUE", "PAPER", "ELEPHANT", "GIRAFFE",
    "TIGER", "LION", "MONKEY", "RABBIT", "TURTLE", "DOLPHIN", "WHALE", "SHARK",
    "EAGLE", "OWL", "PARROT", "PENGUIN", "SPIDER", "BUTTERFLY", "BEE", "ANT",
    "FROG", "SNAKE", "HORSE", "COW", "SHEEP", "PIG", "CHICKEN", "MOUSE",
    "SQUIRREL", "FOX", "WOLF", "BEAR", "RIVER", "MOUNTAIN", "VALLEY", "ISLAND",
    "OCEAN", "DESERT", "FOREST", "VOLCANO", "LAKE", "BEACH", "CLOUD", "RAIN",
    "SNOW", "THUNDER", "LIGHTNING", "RAINBOW", "WIND", "STORM", "SUNSHINE", "WINTER",
    "SUMMER", "AUTUMN", "SPRING", "MORNING", "NIGHT", "HEART", "BRAIN", "SKELETON",
    "TOOTH", "FINGER", "KNEE", "SHOULDER", "STOMACH", "MUSCLE", "DOCTOR", "NURSE",
    "FARMER", "BAKER", "PILOT", "FIREFIGHTER", "POLICE", "ASTRONAUT", "SCIENTIST", "ARTIST",
    "BICYCLE", "TRAIN", "AIRPLANE", "BOAT", "BRIDGE", "ROAD", "CASTLE", "HOSPITAL",
    "MUSEUM", "GARDEN", "KITCHEN", "WINDOW", "DOOR", "ROOF", "CHAIR", "TABLE",
    "BLANKET", "PILLOW", "MIRROR", "CLOCK", "CALENDAR", "MAP", "COMPASS", "MAGNET",
    "PLANET", "STAR", "MOON", "GRAVITY", "ENERGY", "OXYGEN", "WATER", "ICE",
    "FIRE", "STONE", "SAND", "GOLD", "SILVER", "IRON", "RUN", "JUMP",
    "SWIM", "READ", "WRITE", "SING", "DANCE", "LAUGH", "LISTEN", "CLIMB",
    "THROW", "CATCH", "BUILD", "COUNT", "DRAW", "EXPLORE", "HAPPY", "ANGRY",
    "BRAVE", "QUIET", "LOUD", "GENTLE", "HUNGRY", "SLEEPY", "CURIOUS", "HONEST",
    "KIND", "SMALL", "HUGE", "ANCIENT", "MODERN", "FRIENDLY", "CAREFUL", "FAST",
    "SLOW", "BRIGHT", "DARK", "SOFT", "HEAVY", "PUZZLE", "RIDDLE", "ALPHABET",
    "NUMBER", "FRACTION", "TRIANGLE", "CIRCLE", "SQUARE", "DICTIONARY", "POEM", "STORY",
    "ICE CREAM", "FIRE ENGINE", "SOLAR SYSTEM", "T-SHIRT", "BIRTHDAY", "HOLIDAY", "FRIEND", "FAMILY",
};

}  // namespace qf::test
