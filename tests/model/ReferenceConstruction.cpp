#include "model/ReferenceConstruction.h"

#include <string>
#include <utility>

#include "base/TextHelpers.h"

namespace qf::test {
namespace {

struct Attempt {
    PuzzleRecord& r;
    const ShapeRecord& shape;
    ConstructionOptions options;
    RandomSource& random;
    PlacedFlags& placed;
    int n = 0, w = 0, h = 0;
    int minCrossings = 0;
    bool firstWord = false;
    bool firstAcross = false;

    std::uint8_t& G(int k) { return r.grid[k - 1]; }
    bool Usable(int k) const { return shape.cells[k - 1] != 0; }
    std::uint8_t& Placed(int i) { return placed[i - 1]; }

    std::string Letters(int i) {
        std::string out;
        for (char c : r.words[i - 1].Str()) {
            if (c != ' ') out += UpperLetter(c);
        }
        return out;
    }

    void ExchangeWords(int a, int b) {
        std::swap(r.words[a - 1], r.words[b - 1]);
        std::swap(r.clues[a - 1], r.clues[b - 1]);
    }
    void ExchangeSlots(int a, int b) {
        ExchangeWords(a, b);
        std::swap(r.startCell[a - 1], r.startCell[b - 1]);
        std::swap(r.letterCount[a - 1], r.letterCount[b - 1]);
        std::swap(r.isAcross[a - 1], r.isAcross[b - 1]);
        std::swap(r.number[a - 1], r.number[b - 1]);
        std::swap(placed[a - 1], placed[b - 1]);
    }

    bool TestAcross(int s, const std::string& word) {
        const int len = static_cast<int>(word.size());
        int crossings = 0;
        for (int t = 1; t <= len; ++t) {
            const int k = s + t - 1;
            if (G(k) != 32) ++crossings;
            if (t == 1 && k % 50 != 1 && G(k - 1) != 32) return false;
            if (t == len && k % 50 != 0 && G(k + 1) != 32) return false;
            if (G(k) == 32) {
                if (k - 50 >= 1 && G(k - 50) != 32) return false;
                if (k + 50 <= 2500 && G(k + 50) != 32) return false;
            }
            if (G(k) != 32 && G(k) != static_cast<std::uint8_t>(word[t - 1])) return false;
            if (!Usable(k)) return false;
        }
        return crossings >= minCrossings;
    }

    bool TestDown(int s, const std::string& word) {
        const int len = static_cast<int>(word.size());
        int crossings = 0;
        for (int t = 1; t <= len; ++t) {
            const int k = s + (t - 1) * 50;
            if (G(k) != 32) ++crossings;
            if (t == 1 && k > 50 && G(k - 50) != 32) return false;
            if (t == len && k < 2451 && G(k + 50) != 32) return false;
            if (G(k) == 32) {
                if (k % 50 != 1 && G(k - 1) != 32) return false;
                if (k % 50 != 0 && G(k + 1) != 32) return false;
            }
            if (G(k) != 32 && G(k) != static_cast<std::uint8_t>(word[t - 1])) return false;
            if (!Usable(k)) return false;
        }
        return crossings >= minCrossings;
    }

    void Take(int i, int s, const std::string& word, bool across) {
        for (int t = 1; t <= static_cast<int>(word.size()); ++t) {
            G(across ? s + t - 1 : s + (t - 1) * 50) = static_cast<std::uint8_t>(word[t - 1]);
        }
        r.startCell[i - 1] = static_cast<std::int16_t>(s);
        r.letterCount[i - 1] = static_cast<std::int16_t>(word.size());
        r.isAcross[i - 1] = across ? 1 : 0;
        if (firstWord) firstAcross = across;
    }

    bool ScanRows(int i, int a, int b, const std::string& word) {
        const int len = static_cast<int>(word.size());
        for (int row = a; row <= b; ++row) {
            for (int c = 1; c <= w - len + 1; ++c) {
                const int s = (row - 1) * 50 + c;
                if (len > 0 && TestAcross(s, word)) {
                    Take(i, s, word, true);
                    return true;
                }
            }
        }
        return false;
    }

    bool ScanColumns(int i, int a, int b, const std::string& word) {
        const int len = static_cast<int>(word.size());
        for (int row = 1; row <= h - len + 1; ++row) {
            for (int c = a; c <= b; ++c) {
                const int s = (row - 1) * 50 + c;
                if (len > 0 && TestDown(s, word)) {
                    Take(i, s, word, false);
                    return true;
                }
            }
        }
        return false;
    }

    bool PlaceAcross(int i) {
        const std::string word = Letters(i);
        if (firstWord) {
            const int rr = random.Below(h);
            return ScanRows(i, rr + 1, h, word) || ScanRows(i, 1, rr, word);
        }
        return ScanRows(i, 1, h, word);
    }

    bool PlaceDown(int i) {
        const std::string word = Letters(i);
        if (firstWord) {
            const int rr = random.Below(w);
            return ScanColumns(i, rr + 1, w, word) || ScanColumns(i, 1, rr, word);
        }
        return ScanColumns(i, 1, w, word);
    }

    void PlaceOne(int i) {
        Placed(i) = 1;
        minCrossings = 2;
        int tries = 0;
        int direction = random.Below(2) + 1;
        bool done = false;
        while (true) {
            done = direction == 1 ? PlaceAcross(i) : PlaceDown(i);
            direction = direction == 1 ? 2 : 1;
            ++tries;
            if (done) break;
            if (tries == 2) {
                if (firstWord && minCrossings > 0) {
                    --minCrossings;
                    tries = 0;
                } else if (!firstWord && minCrossings > 1) {
                    --minCrossings;
                    tries = 0;
                } else {
                    Placed(i) = 0;
                    break;
                }
            }
        }
        firstWord = false;
    }

    // 1. order by typed length; 2. an empty grid; the first word still to come.
    void Begin() {
        n = r.UsedWords();
        w = r.UsedWidth();
        h = r.UsedHeight();
        placed.fill(0);
        for (int i = 1; i <= n; ++i) {
            for (int j = n; j >= i + 1; --j) {
                if (r.words[j - 2].UsedLength() < r.words[j - 1].UsedLength()) ExchangeWords(j - 1, j);
            }
        }
        for (int k = 1; k <= 2500; ++k) G(k) = 32;
        firstWord = true;
    }

    void Run() {
        Begin();
        // 3. and 4.
        firstAcross = false;
        int pass = 0, previous = 0;
        while (true) {
            ++pass;
            for (int i = 1; i <= n; ++i) {
                if (pass == 1 || Placed(i) == 0) PlaceOne(i);
            }
            if (options.quickCreate && pass == 2) break;
            int count = 0;
            for (int i = 1; i <= n; ++i) {
                if (Placed(i) == 1) ++count;
            }
            if (count == previous) break;
            previous = count;
        }
        Finish();
    }

    // Another builder's placements laid in its order through the same tests (the first at no
    // crossing, every later one at one at least), then the same finishing steps; -1 when a
    // placement fails its test.
    int Replay(const std::vector<ReferencePlacement>& order) {
        Begin();
        for (const ReferencePlacement& p : order) {
            const std::string word = Letters(p.slot);
            const int len = static_cast<int>(word.size());
            const int row = (p.start - 1) / 50 + 1, c = (p.start - 1) % 50 + 1;
            const bool inside = p.across ? row <= h && c <= w - len + 1 : c <= w && row <= h - len + 1;
            minCrossings = firstWord ? 0 : 1;
            if (p.slot < 1 || p.slot > n || Placed(p.slot) == 1 || len == 0 || !inside ||
                !(p.across ? TestAcross(p.start, word) : TestDown(p.start, word)))
                return -1;
            Take(p.slot, p.start, word, p.across);
            Placed(p.slot) = 1;
            firstWord = false;
        }
        Finish();
        return r.wordCount;
    }

    void Finish() {
        // 1.
        if (options.shrink) {
            for (int row = h; row >= 2; --row) {
                bool blank = true;
                for (int c = 1; c <= w; ++c) {
                    if (G((row - 1) * 50 + c) != 32) blank = false;
                }
                if (!blank) break;
                --h;
            }
            for (int c = w; c >= 2; --c) {
                bool blank = true;
                for (int row = 1; row <= 50; ++row) {
                    if (G((row - 1) * 50 + c) != 32) blank = false;
                }
                if (!blank) break;
                --w;
            }
        }
        // 2.
        for (int k = 1; k <= 2500; ++k) {
            if (!Usable(k)) {
                G(k) = 0;
            } else if (G(k) != 32) {
                G(k) = static_cast<std::uint8_t>(UpperLetter(static_cast<char>(G(k))));
            }
        }
        // 3.
        for (int i = 1; i <= n; ++i) {
            for (int j = n; j >= i + 1; --j) {
                if (Placed(j - 1) == 0 && Placed(j) == 1) ExchangeSlots(j - 1, j);
            }
        }
        // 4.
        int p = 0;
        for (int i = 1; i <= n; ++i) p += Placed(i);
        r.wordCount = static_cast<std::int16_t>(p);
        // 5.
        for (int i = 1; i <= p; ++i) {
            for (int j = p; j >= i + 1; --j) {
                if (r.startCell[j - 1] < r.startCell[j - 2]) ExchangeSlots(j - 1, j);
            }
        }
        // 6.
        int number = 0;
        for (int i = 1; i <= p; ++i) {
            if (i == 1 || r.startCell[i - 1] != r.startCell[i - 2]) ++number;
            r.number[i - 1] = static_cast<std::int16_t>(number);
        }
        // 7.
        for (int i = 1; i <= p; ++i) {
            for (int j = p; j >= i + 1; --j) {
                if (r.isAcross[j - 2] == 0) ExchangeSlots(j - 1, j);
            }
        }
        // 8.
        int across = 0, down = 0;
        for (int i = 1; i <= p; ++i) (r.isAcross[i - 1] == 1 ? across : down) += 1;
        r.acrossCount = static_cast<std::int16_t>(across);
        r.downCount = static_cast<std::int16_t>(down);
        // 9.
        for (int i = 1; i <= across; ++i) {
            for (int j = across; j >= i + 1; --j) {
                if (r.number[j - 1] < r.number[j - 2]) ExchangeSlots(j - 1, j);
            }
        }
        for (int i = across + 1; i <= p; ++i) {
            for (int j = p; j >= i + 1; --j) {
                if (r.number[j - 1] < r.number[j - 2]) ExchangeSlots(j - 1, j);
            }
        }
        // 10.
        if (options.shrink) {
            auto letter = [&](int k) { return G(k) != 0 && G(k) != 32; };
            int g = 0;
            if (firstAcross) {
                bool found = false;
                for (int row = 1; row <= 50 && !found; ++row) {
                    for (int c = 1; c <= 50; ++c) {
                        if (letter((row - 1) * 50 + c)) found = true;
                    }
                    if (!found) ++g;
                }
                if (!found) g = 0;
                if (g > 0) {
                    for (int k = 1; k <= 2500 - 50 * g; ++k) G(k) = G(k + 50 * g);
                    h -= g;
                    for (int i = 1; i <= p; ++i) r.startCell[i - 1] = static_cast<std::int16_t>(r.startCell[i - 1] - 50 * g);
                }
            } else {
                bool found = false;
                for (int c = 1; c <= 50 && !found; ++c) {
                    for (int row = 1; row <= 50; ++row) {
                        if (letter((row - 1) * 50 + c)) found = true;
                    }
                    if (!found) ++g;
                }
                if (!found) g = 0;
                if (g > 0) {
                    for (int k = 1; k <= 2500 - g; ++k) G(k) = G(k + g);
                    w -= g;
                    for (int i = 1; i <= p; ++i) r.startCell[i - 1] = static_cast<std::int16_t>(r.startCell[i - 1] - g);
                }
            }
        }
        r.width = static_cast<std::int16_t>(w);
        r.height = static_cast<std::int16_t>(h);
    }
};

// A replay draws nothing.
class ScriptedNothing final : public RandomSource {
public:
    int Below(int) override { return 0; }
};

}  // namespace

int ReferenceReplayPlacements(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                               const std::vector<ReferencePlacement>& order, PlacedFlags& placed) {
    ScriptedNothing random;
    Attempt attempt{record, shape, options, random, placed};
    return attempt.Replay(order);
}

int ReferenceConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                           RandomSource& random, PlacedFlags& placed) {
    Attempt attempt{record, shape, options, random, placed};
    attempt.Run();
    return record.wordCount;
}

}  // namespace qf::test
