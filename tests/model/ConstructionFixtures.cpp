#include "model/ConstructionFixtures.h"

namespace qf::test {

int ScriptedRandom::Below(int n) {
    asked.push_back(n);
    if (!planned_.empty()) {
        const int v = planned_.front();
        planned_.pop_front();
        return v;
    }
    return n == 2 ? 0 : n / 2;
}

ShapeRecord RectangleShape(int width, int height) {
    ShapeRecord shape;
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (int row = 1; row <= height; ++row) {
        for (int c = 1; c <= width; ++c) shape.Cell(CellIndex(row, c)) = 1;
    }
    return shape;
}

void Block(ShapeRecord& shape, int row, int column) { shape.Cell(CellIndex(row, column)) = 0; }

PuzzleRecord WordRecord(const std::vector<std::string>& words, const ShapeRecord& shape) {
    PuzzleRecord record = NewPuzzleRecord();
    int n = 0;
    for (const auto& w : words) {
        ++n;
        record.Word(n).Set(w);
        record.Clue(n).Set("clue " + std::to_string(n));
    }
    record.wordCount = static_cast<std::int16_t>(n);
    record.width = shape.width;
    record.height = shape.height;
    return record;
}

std::string GridRow(const PuzzleRecord& record, int row, int width) {
    std::string out;
    for (int c = 1; c <= width; ++c) {
        const auto cell = record.Cell(CellIndex(row, c));
        out += cell == 0 ? '.' : static_cast<char>(cell);
    }
    return out;
}

const std::vector<std::string>& Vocabulary() {
    static const std::vector<std::string> words = {
        "cat", "ace", "dog", "owl", "ant", "bee", "elk", "emu", "yak", "eel", "oak", "elm", "ash", "ivy",
        "fern", "moss", "reed", "lake", "pond", "river", "ocean", "delta", "marsh", "cliff", "ridge",
        "valley", "canyon", "meadow", "forest", "glacier", "volcano", "island", "harbour", "lantern",
        "candle", "pencil", "eraser", "ruler", "compass", "atlas", "globe", "magnet", "prism", "lens",
        "mirror", "window", "garden", "orchard", "vineyard", "cottage", "cathedral", "monastery",
        "library", "museum", "theatre", "orchestra", "symphony", "melody", "harmony", "rhythm", "tempo",
        "violin", "trumpet", "clarinet", "saxophone", "xylophone", "accordion", "harpsichord",
        "bread", "butter", "cheese", "yoghurt", "pepper", "saffron", "cinnamon", "nutmeg", "vanilla",
        "almond", "walnut", "chestnut", "hazelnut", "apricot", "banana", "cherry", "mango", "papaya",
        "pineapple", "raspberry", "strawberry", "blueberry", "gooseberry", "elderberry", "tangerine",
        "zebra", "giraffe", "elephant", "rhinoceros", "hippopotamus", "crocodile", "alligator",
        "kangaroo", "platypus", "armadillo", "porcupine", "hedgehog", "squirrel", "chipmunk", "beaver",
        "otter", "badger", "weasel", "ferret", "falcon", "eagle", "hawk", "heron", "pelican", "penguin",
        "albatross", "flamingo", "ostrich", "peacock", "sparrow", "swallow", "nightingale",
        "engineer", "architect", "carpenter", "plumber", "electrician", "mechanic", "surgeon",
        "pharmacist", "astronomer", "geologist", "biologist", "chemist", "physicist", "mathematician",
        "telescope", "microscope", "thermometer", "barometer", "hydrometer", "chronometer",
        "quadrilateral", "parallelogram", "circumference", "hypotenuse", "trapezium", "rhombus",
        "jigsaw", "quiz", "jukebox", "fjord", "zephyr", "quartz", "sphinx", "jovial", "waltz",
    };
    return words;
}

}  // namespace qf::test
