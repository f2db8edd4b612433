#include "editor/ThesaurusEngine.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "editor/AnsiCase.h"
#include "editor/LexiconFiles.h"
#include "editor/ThesaurusData.h"

namespace qf {
namespace {

constexpr std::uintmax_t kMaxDescriptorSize = 64 * 1024;

// A list handed out one entry at a time.
struct Cursor {
    std::vector<std::string> items;
    std::size_t next = 0;
};

// One open session: its thesauri and what its look-ups handed out; the open sessions are found
// by their identifiers.
class Session {
public:
    // The lowest free identifier, or kThesBadSession when none is left.
    static ThesSession Open() {
        for (ThesSession id = 1; id < INT16_MAX; ++id)
            if (Table().try_emplace(id).second) return id;
        return kThesBadSession;
    }
    static Session* Find(ThesSession id) {
        auto it = Table().find(id);
        return it == Table().end() ? nullptr : &it->second;
    }
    static bool Close(ThesSession id) { return Table().erase(id) != 0; }
    static int OpenCount() { return static_cast<int>(Table().size()); }

    // The thesaurus the look-ups use: the first one opened and still open.
    const ThesaurusData* Current() const { return thesauri_.empty() ? nullptr : thesauri_.begin()->second.get(); }
    ThesId AddThesaurus(std::shared_ptr<const ThesaurusData> data) {
        if (nextId_ == INT16_MAX) return kThesFileNotOpened;
        const ThesId id = nextId_++;
        thesauri_.emplace(id, std::move(data));
        return id;
    }
    bool CloseThesaurus(ThesId id) { return thesauri_.erase(id) != 0; }

    std::map<std::string, ThesaurusMeaning> categories;  // every name handed out since the last look-up
    Cursor categoryCursor, synonymCursor, suggestionCursor;

private:
    static std::map<ThesSession, Session>& Table() {
        static std::map<ThesSession, Session> sessions;
        return sessions;
    }
    std::map<ThesId, std::shared_ptr<const ThesaurusData>> thesauri_;
    ThesId nextId_ = 1;
};

void CopyOut(const std::string& text, char* buffer, std::int16_t size) {
    if (!buffer || size <= 0) return;
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

std::int16_t HandOut(Cursor& cursor, char* buffer, std::int16_t size) {
    if (cursor.next >= cursor.items.size()) return 0;
    CopyOut(cursor.items[cursor.next++], buffer, size);
    return 1;
}

void SplitName(const std::string& name, std::string& base, std::string& tag) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) {
        base = name;
        tag.clear();
    } else {
        base = name.substr(0, dot);
        tag = name.substr(dot + 1);
    }
}

// The meaning a category name stands for: the one it was given to in this session, else the
// first meaning of its base word with its part of speech.
const ThesaurusMeaning* Resolve(Session& s, const std::string& name) {
    if (auto it = s.categories.find(name); it != s.categories.end()) return &it->second;
    const ThesaurusData* data = s.Current();
    if (!data) return nullptr;
    std::string base, tag;
    SplitName(name, base, tag);
    for (auto& m : data->Meanings(base))
        if (m.tag == tag) return &s.categories.emplace(name, std::move(m)).first->second;
    return nullptr;
}

// Names for a word's meanings, each distinct within the look-up.
std::vector<std::string> NameMeanings(Session& s, std::vector<ThesaurusMeaning> meanings) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < meanings.size(); ++i) {
        auto& m = meanings[i];
        std::vector<std::string> candidates{m.headword};
        candidates.insert(candidates.end(), m.synonyms.begin(), m.synonyms.end());
        candidates.push_back(m.headword + " " + std::to_string(i + 1));
        for (const auto& base : candidates) {
            const std::string name = base + "." + m.tag;
            if (std::find(names.begin(), names.end(), name) != names.end()) continue;
            names.push_back(name);
            s.categories.insert_or_assign(name, std::move(m));
            break;
        }
    }
    return names;
}

}  // namespace

ThesSession ThesDB_OpenSession() { return Session::Open(); }

std::shared_ptr<const ThesaurusData> LoadThesaurusFile(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxDescriptorSize)
        return nullptr;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return nullptr;
    const auto desc = ParseThesaurusDescriptor(std::string(bytes->begin(), bytes->end()));
    if (!desc) return nullptr;
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const auto base = FindMythesThesaurus(desc->thesaurus, folder);
    if (!base) return nullptr;
    std::string dictionary;
    if (!desc->dictionary.empty())
        dictionary = FindHunspellDictionary(desc->dictionary, folder).value_or(std::string());
    return LoadThesaurus(*base, dictionary);
}

ThesId ThesDB_OpenThesaurus(ThesSession session, const char* path) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    auto data = LoadThesaurusFile(path ? path : "");
    if (!data) return kThesFileNotOpened;
    return s->AddThesaurus(std::move(data));
}

std::int16_t ThesDB_GetFirstCategory(ThesSession session, const char* word, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    const ThesaurusData* data = s->Current();
    if (!data) return kThesNoThesaurus;
    s->categories.clear();
    s->categoryCursor = {};
    s->categoryCursor.items = NameMeanings(*s, data->Meanings(word ? word : ""));
    return HandOut(s->categoryCursor, buffer, size);
}

std::int16_t ThesDB_GetNextCategory(ThesSession session, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    return HandOut(s->categoryCursor, buffer, size);
}

std::int16_t ThesDB_GetCategoryAntonym(ThesSession session, const char* category, char* buffer,
                                       std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    const ThesaurusData* data = s->Current();
    if (!data) return kThesNoThesaurus;
    const ThesaurusMeaning* meaning = Resolve(*s, category ? category : "");
    if (!meaning || meaning->antonyms.empty()) return 0;

    const std::string antonym = meaning->antonyms.front();
    const std::string name = antonym + "." + meaning->tag;
    if (!s->categories.count(name)) {
        // The antonym's own meaning: the one that names our word as its antonym, else its
        // first of the same part of speech. The antonym itself leads its synonyms.
        ThesaurusMeaning chosen{LowerAnsi(antonym), meaning->tag, {}, {}, {}};
        const std::string headword = LowerAnsi(meaning->headword);
        bool matched = false;
        for (auto& m : data->Meanings(antonym)) {
            if (m.tag != meaning->tag) continue;
            const bool names = std::any_of(m.antonyms.begin(), m.antonyms.end(),
                                           [&](const std::string& a) { return LowerAnsi(a) == headword; });
            if (names || !matched) {
                chosen.synonyms = m.synonyms;
                chosen.antonyms = m.antonyms;
            }
            if (names) break;
            matched = true;
        }
        chosen.synonyms.insert(chosen.synonyms.begin(), antonym);
        s->categories.emplace(name, std::move(chosen));
    }
    CopyOut(name, buffer, size);
    return 1;
}

std::int16_t ThesDB_SplitCategoryName(const char* category, char* baseWord, std::int16_t size,
                                      std::uint32_t* partOfSpeech) {
    if (!category) return 0;
    std::string base, tag;
    SplitName(category, base, tag);
    std::uint32_t code = 0;
    if (tag == "n") code = kThesNoun;
    else if (tag == "v") code = kThesVerb;
    else if (tag == "adj") code = kThesAdjective;
    else if (tag == "adv") code = kThesAdverb;
    CopyOut(base, baseWord, size);
    if (partOfSpeech) *partOfSpeech = code;
    return 1;
}

std::int16_t ThesDB_GetFirstSynonym(ThesSession session, const char* category, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    s->synonymCursor = {};
    if (const ThesaurusMeaning* meaning = Resolve(*s, category ? category : ""))
        s->synonymCursor.items = meaning->synonyms;
    return HandOut(s->synonymCursor, buffer, size);
}

std::int16_t ThesDB_GetNextSynonym(ThesSession session, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    return HandOut(s->synonymCursor, buffer, size);
}

std::int16_t ThesDB_GetFirstSuggestion(ThesSession session, const char* word, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    const ThesaurusData* data = s->Current();
    if (!data) return kThesNoThesaurus;
    s->suggestionCursor = {};
    s->suggestionCursor.items = data->Suggestions(word ? word : "", kThesMaxSuggestions);
    return HandOut(s->suggestionCursor, buffer, size);
}

std::int16_t ThesDB_GetNextSuggestion(ThesSession session, char* buffer, std::int16_t size) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    return HandOut(s->suggestionCursor, buffer, size);
}

std::int16_t ThesDB_CloseThesaurus(ThesSession session, ThesId thesaurus) {
    Session* s = Session::Find(session);
    if (!s) return kThesBadSession;
    return s->CloseThesaurus(thesaurus) ? 0 : kThesNoThesaurus;
}

std::int16_t ThesDB_CloseSession(ThesSession session) {
    return Session::Close(session) ? 0 : kThesBadSession;
}

int ThesDB_OpenSessionCount() { return Session::OpenCount(); }

}  // namespace qf
