#pragma once
// The records of the two metafile kinds, made by libUEMF and kept in memory: the drawing calls
// of a metafile surface in device units, the graphic objects it creates, and the file they
// make. Objects take the lowest free slot of the object table, as a metafile's player assigns
// them, and the table's peak is written into the header.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/MetafileSurface.h"

namespace qf {

struct MetafileFont {
    std::string face;  // Windows-1252
    int height = 0;    // character height in units
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const MetafileFont&) const = default;
};

class MetafileRecords {
public:
    virtual ~MetafileRecords() = default;
    static std::unique_ptr<MetafileRecords> Make(MetafileKind kind);

    // Pen and brush: a colour (0x00BBGGRR) or none. Selected once, kept while they are the same.
    void UsePen(std::int32_t color, bool none = false);
    void UseBrush(std::int32_t color, bool none = false);
    void UseFont(const MetafileFont& font);
    void UseText(std::int32_t color, bool transparent, bool baseline);

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Windows-1252 text with each character's advance in units.
    virtual void Text(int x, int y, const std::string& ansi, const std::vector<int>& advances) = 0;

    // The file for a page of the given geometry; empty when a record failed.
    virtual std::vector<std::uint8_t> File(const MetafileGeometry& geometry) const = 0;
    int Count() const { return count_; }

protected:
    struct Style {
        bool none = false;
        std::int32_t color = 0;
        bool operator==(const Style&) const = default;
    };
    // Takes a record made by libUEMF (nullptr when it failed) and frees it.
    void Append(char* record, std::size_t size);
    int TakeSlot();
    void FreeSlot(int slot);
    int Peak() const { return static_cast<int>(slots_.size()); }

    virtual int CreatePen(const Style& style) = 0;    // returns the slot
    virtual int CreateBrush(const Style& style) = 0;
    virtual int CreateFont(const MetafileFont& font) = 0;
    virtual void Select(int slot) = 0;
    virtual void Delete(int slot) = 0;
    virtual void SetTextAlign(bool baseline) = 0;
    virtual void SetTextColor(std::int32_t color) = 0;
    virtual void SetBackground(bool transparent) = 0;

    std::vector<std::uint8_t> body_;
    bool failed_ = false;
    std::uint32_t largest_ = 0;  // bytes of the largest record

private:
    template <typename Key, typename Create>
    void Use(std::optional<Key>& current, int& slot, const Key& wanted, Create create);

    int count_ = 0;
    std::vector<bool> slots_;
    std::optional<Style> pen_, brush_;
    std::optional<MetafileFont> font_;
    int penSlot_ = -1, brushSlot_ = -1, fontSlot_ = -1;
    std::optional<std::int32_t> textColor_;
    std::optional<bool> transparent_, baseline_;
};

}  // namespace qf
