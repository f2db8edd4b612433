#include "report/MetafileRecords.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <uemf.h>
#include <uwmf.h>
}

#include "base/Ansi.h"

namespace qf {
namespace {

U_COLORREF ColorRef(std::int32_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    return colorref3_set(static_cast<uint8_t>(u & 0xFF), static_cast<uint8_t>((u >> 8) & 0xFF),
                         static_cast<uint8_t>((u >> 16) & 0xFF));
}

int Weight(bool bold) { return bold ? U_FW_BOLD : U_FW_NORMAL; }

// UTF-16 of Windows-1252 text.
std::vector<std::uint16_t> Utf16(const std::string& ansi) {
    const std::string utf8 = AnsiToUtf8(ansi);
    std::vector<std::uint16_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = c;
        std::size_t n = 1;
        if (c >= 0xF0) { cp = c & 0x07; n = 4; }
        else if (c >= 0xE0) { cp = c & 0x0F; n = 3; }
        else if (c >= 0xC0) { cp = c & 0x1F; n = 2; }
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<std::uint16_t>(cp));
        }
    }
    return out;
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    Put16(out, at, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::int16_t Short(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

// ---- EMF ----

class EmfRecords : public MetafileRecords {
public:
    void MoveTo(int x, int y) override { Add(U_EMRMOVETOEX_set(point32_set(x, y))); }
    void LineTo(int x, int y) override { Add(U_EMRLINETO_set(point32_set(x, y))); }
    void Rectangle(int l, int t, int r, int b) override {
        Add(U_EMRRECTANGLE_set(rectl_set(point32_set(l, t), point32_set(r, b))));
    }
    void Ellipse(int l, int t, int r, int b) override {
        Add(U_EMRELLIPSE_set(rectl_set(point32_set(l, t), point32_set(r, b))));
    }
    void Text(int x, int y, const std::string& ansi, const std::vector<int>& advances) override {
        std::vector<std::uint16_t> text = Utf16(ansi);
        if (text.empty()) return;
        // One advance per UTF-16 unit; Windows-1252 has no surrogates, so they match one to one.
        std::vector<uint32_t> dx(text.size(), 0);
        for (std::size_t i = 0; i < dx.size() && i < advances.size(); ++i)
            dx[i] = static_cast<uint32_t>(std::max(0, advances[i]));
        char* emrtext = emrtext_set(point32_set(x, y), static_cast<U_NUM_STR>(text.size()), 2, text.data(), 0,
                                    U_RCL_DEF, dx.data());
        if (!emrtext) {
            failed_ = true;
            return;
        }
        Add(U_EMREXTTEXTOUTW_set(U_RCL_DEF, U_GM_COMPATIBLE, 1.0f, 1.0f, reinterpret_cast<PU_EMRTEXT>(emrtext)));
        std::free(emrtext);
    }

    std::vector<std::uint8_t> File(const MetafileGeometry& g) const override {
        if (failed_) return {};
        std::vector<std::uint16_t> description = Utf16(kMetafileCreator);
        description.push_back(0);
        const std::vector<std::uint16_t> second = Utf16(kMetafileDescription);
        description.insert(description.end(), second.begin(), second.end());
        description.push_back(0);
        description.push_back(0);
        const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(g.width, g.height));
        const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(g.frameWidth, g.frameHeight));
        char* header = U_EMRHEADER_set(bounds, frame, nullptr, static_cast<U_CBSTR>(description.size()),
                                       description.data(), sizel_set(g.width, g.height),
                                       sizel_set(g.frameWidth / 100, g.frameHeight / 100), 0);
        EMFTRACK track{};
        char* eof = U_EMREOF_set(0, nullptr, &track);
        if (!header || !eof) {
            std::free(header);
            std::free(eof);
            return {};
        }
        const auto* h = reinterpret_cast<const U_ENHMETARECORD*>(header);
        const auto* e = reinterpret_cast<const U_ENHMETARECORD*>(eof);
        std::vector<std::uint8_t> out(header, header + h->nSize);
        out.insert(out.end(), body_.begin(), body_.end());
        out.insert(out.end(), eof, eof + e->nSize);
        std::free(header);
        std::free(eof);
        // The header's totals: bytes, records (header and end included) and object handles
        // (slot 0 is the metafile's own).
        Put32(out, offsetof(U_EMRHEADER, nBytes), static_cast<std::uint32_t>(out.size()));
        Put32(out, offsetof(U_EMRHEADER, nRecords), static_cast<std::uint32_t>(Count() + 2));
        Put16(out, offsetof(U_EMRHEADER, nHandles), static_cast<std::uint16_t>(Peak() + 1));
        return out;
    }

protected:
    int CreatePen(const Style& s) override {
        const int slot = TakeSlot();
        U_LOGPEN pen = logpen_set(s.none ? U_PS_NULL : U_PS_SOLID, point32_set(1, 0), ColorRef(s.color));
        Add(U_EMRCREATEPEN_set(Handle(slot), pen));
        return slot;
    }
    int CreateBrush(const Style& s) override {
        const int slot = TakeSlot();
        Add(U_EMRCREATEBRUSHINDIRECT_set(Handle(slot), logbrush_set(s.none ? U_BS_NULL : U_BS_SOLID,
                                                                     ColorRef(s.color), 0)));
        return slot;
    }
    int CreateFont(const MetafileFont& f) override {
        const int slot = TakeSlot();
        std::vector<std::uint16_t> face = Utf16(f.face);
        face.resize(std::min<std::size_t>(face.size(), U_LF_FACESIZE - 1));
        face.push_back(0);
        U_LOGFONT font = logfont_set(-f.height, 0, 0, 0, Weight(f.bold), f.italic, f.underline, f.strikeOut,
                                     U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                     U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face.data());
        Add(U_EMREXTCREATEFONTINDIRECTW_set(Handle(slot), reinterpret_cast<const char*>(&font), nullptr));
        return slot;
    }
    void Select(int slot) override { Add(U_EMRSELECTOBJECT_set(Handle(slot))); }
    void Delete(int slot) override { Add(U_EMRDELETEOBJECT_set(Handle(slot))); }
    void SetTextAlign(bool baseline) override {
        Add(U_EMRSETTEXTALIGN_set(baseline ? U_TA_BASELINE | U_TA_LEFT : U_TA_TOP | U_TA_LEFT));
    }
    void SetTextColor(std::int32_t color) override { Add(U_EMRSETTEXTCOLOR_set(ColorRef(color))); }
    void SetBackground(bool transparent) override {
        if (!transparent) Add(U_EMRSETBKCOLOR_set(colorref3_set(255, 255, 255)));
        Add(U_EMRSETBKMODE_set(transparent ? U_TRANSPARENT : U_OPAQUE));
    }

private:
    static uint32_t Handle(int slot) { return static_cast<uint32_t>(slot + 1); }
    void Add(char* record) {
        Append(record, record ? reinterpret_cast<const U_ENHMETARECORD*>(record)->nSize : 0);
    }
};

// ---- WMF ----

class WmfRecords : public MetafileRecords {
public:
    void MoveTo(int x, int y) override { Add(U_WMRMOVETO_set(point16_set(Short(x), Short(y)))); }
    void LineTo(int x, int y) override { Add(U_WMRLINETO_set(point16_set(Short(x), Short(y)))); }
    void Rectangle(int l, int t, int r, int b) override { Add(U_WMRRECTANGLE_set(Rect(l, t, r, b))); }
    void Ellipse(int l, int t, int r, int b) override { Add(U_WMRELLIPSE_set(Rect(l, t, r, b))); }
    void Text(int x, int y, const std::string& ansi, const std::vector<int>& advances) override {
        if (ansi.empty()) return;
        const std::string text = ansi.substr(0, 32767);
        std::vector<int16_t> dx(text.size(), 0);
        for (std::size_t i = 0; i < dx.size() && i < advances.size(); ++i) dx[i] = Short(advances[i]);
        Add(U_WMREXTTEXTOUT_set(point16_set(Short(x), Short(y)), static_cast<int16_t>(text.size()), 0,
                                text.c_str(), dx.data(), U_RECT16_set(point16_set(0, 0), point16_set(0, 0))));
    }

    std::vector<std::uint8_t> File(const MetafileGeometry& g) const override {
        if (failed_) return {};
        char* eof = U_WMREOF_set();
        if (!eof) return {};
        const std::uint32_t eofSize = U_wmr_size(reinterpret_cast<const U_METARECORD*>(eof));
        // The placeable header: the picture's box in units and the units to the inch that give
        // the physical size the metafile claims.
        std::vector<std::uint8_t> out(22 + 18, 0);
        Put32(out, 0, 0x9AC6CDD7u);
        Put16(out, 10, static_cast<std::uint16_t>(Short(g.width)));
        Put16(out, 12, static_cast<std::uint16_t>(Short(g.height)));
        const int inch = g.frameWidth > 0 ? static_cast<int>(std::lround(g.width * 2540.0 / g.frameWidth)) : 96;
        Put16(out, 14, static_cast<std::uint16_t>(std::clamp(inch, 1, 32767)));
        std::uint16_t sum = 0;
        for (std::size_t i = 0; i < 20; i += 2) sum ^= static_cast<std::uint16_t>(out[i] | (out[i + 1] << 8));
        Put16(out, 20, sum);
        // The metafile header: a memory metafile, version 3, sizes in 16-bit words.
        const std::vector<std::uint8_t> prologue = Prologue(g);
        const std::size_t words = (18 + prologue.size() + body_.size() + eofSize) / 2;
        Put16(out, 22, 1);
        Put16(out, 24, 9);
        Put16(out, 26, 0x0300);
        Put32(out, 28, static_cast<std::uint32_t>(words));
        Put16(out, 32, static_cast<std::uint16_t>(Peak()));
        Put32(out, 34, std::max<std::uint32_t>(largest_, eofSize) / 2);
        out.insert(out.end(), prologue.begin(), prologue.end());
        out.insert(out.end(), body_.begin(), body_.end());
        out.insert(out.end(), eof, eof + eofSize);
        std::free(eof);
        return out;
    }

protected:
    int CreatePen(const Style& s) override {
        Add(U_WMRCREATEPENINDIRECT_set(U_PEN_set(s.none ? U_PS_NULL : U_PS_SOLID, 1, ColorRef(s.color))));
        return TakeSlot();
    }
    int CreateBrush(const Style& s) override {
        Add(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(s.none ? U_BS_NULL : U_BS_SOLID, ColorRef(s.color), 0)));
        return TakeSlot();
    }
    int CreateFont(const MetafileFont& f) override {
        std::string face = f.face.substr(0, 31);
        U_FONT* font = U_FONT_set(Short(-f.height), 0, 0, 0, static_cast<int16_t>(Weight(f.bold)), f.italic,
                                  f.underline, f.strikeOut, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                                  U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face.data());
        if (!font) {
            failed_ = true;
        } else {
            Add(U_WMRCREATEFONTINDIRECT_set(font));
            std::free(font);
        }
        return TakeSlot();
    }
    void Select(int slot) override { Add(U_WMRSELECTOBJECT_set(static_cast<uint16_t>(slot))); }
    void Delete(int slot) override { Add(U_WMRDELETEOBJECT_set(static_cast<uint16_t>(slot))); }
    void SetTextAlign(bool baseline) override {
        Add(U_WMRSETTEXTALIGN_set(baseline ? U_TA_BASELINE | U_TA_LEFT : U_TA_TOP | U_TA_LEFT));
    }
    void SetTextColor(std::int32_t color) override { Add(U_WMRSETTEXTCOLOR_set(ColorRef(color))); }
    void SetBackground(bool transparent) override {
        if (!transparent) Add(U_WMRSETBKCOLOR_set(colorref3_set(255, 255, 255)));
        Add(U_WMRSETBKMODE_set(transparent ? U_TRANSPARENT : U_OPAQUE));
    }

private:
    static U_RECT16 Rect(int l, int t, int r, int b) {
        return U_RECT16_set(point16_set(Short(l), Short(t)), point16_set(Short(r), Short(b)));
    }
    void Add(char* record) {
        Append(record, record ? U_wmr_size(reinterpret_cast<const U_METARECORD*>(record)) : 0);
    }
    // The mapping every player needs: the window is the page in units.
    static std::vector<std::uint8_t> Prologue(const MetafileGeometry& g) {
        std::vector<std::uint8_t> out;
        for (char* r : {U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWORG_set(point16_set(0, 0)),
                        U_WMRSETWINDOWEXT_set(point16_set(Short(g.width), Short(g.height)))}) {
            if (!r) continue;
            const std::uint32_t n = U_wmr_size(reinterpret_cast<const U_METARECORD*>(r));
            out.insert(out.end(), r, r + n);
            std::free(r);
        }
        return out;
    }
};

}  // namespace

std::unique_ptr<MetafileRecords> MetafileRecords::Make(MetafileKind kind) {
    if (kind == MetafileKind::Enhanced) return std::make_unique<EmfRecords>();
    return std::make_unique<WmfRecords>();
}

void MetafileRecords::Append(char* record, std::size_t size) {
    if (!record || size == 0) {
        failed_ = true;
        std::free(record);
        return;
    }
    body_.insert(body_.end(), record, record + size);
    largest_ = std::max<std::uint32_t>(largest_, static_cast<std::uint32_t>(size));
    ++count_;
    std::free(record);
}

int MetafileRecords::TakeSlot() {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (!slots_[i]) {
            slots_[i] = true;
            return static_cast<int>(i);
        }
    slots_.push_back(true);
    return static_cast<int>(slots_.size() - 1);
}

void MetafileRecords::FreeSlot(int slot) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots_.size()) slots_[static_cast<std::size_t>(slot)] = false;
}

template <typename Key, typename Create>
void MetafileRecords::Use(std::optional<Key>& current, int& slot, const Key& wanted, Create create) {
    if (current && *current == wanted) return;
    // The new object is selected before the old one is deleted, so no object is deleted while
    // it is in use.
    const int made = create(wanted);
    Select(made);
    if (slot >= 0) {
        Delete(slot);
        FreeSlot(slot);
    }
    slot = made;
    current = wanted;
}

void MetafileRecords::UsePen(std::int32_t color, bool none) {
    Use(pen_, penSlot_, Style{none, none ? 0 : color}, [&](const Style& s) { return CreatePen(s); });
}

void MetafileRecords::UseBrush(std::int32_t color, bool none) {
    Use(brush_, brushSlot_, Style{none, none ? 0 : color}, [&](const Style& s) { return CreateBrush(s); });
    // A transparent background means nothing to a solid brush, but some players (libwmf) then
    // paint it half transparent: fills are made with an opaque background.
    if (!none && transparent_.value_or(false)) {
        SetBackground(false);
        transparent_ = false;
    }
}

void MetafileRecords::UseFont(const MetafileFont& font) {
    Use(font_, fontSlot_, font, [&](const MetafileFont& f) { return CreateFont(f); });
}

void MetafileRecords::UseText(std::int32_t color, bool transparent, bool baseline) {
    if (textColor_ != color) {
        SetTextColor(color);
        textColor_ = color;
    }
    if (transparent_ != transparent) {
        SetBackground(transparent);
        transparent_ = transparent;
    }
    if (baseline_ != baseline) {
        SetTextAlign(baseline);
        baseline_ = baseline;
    }
}

}  // namespace qf
