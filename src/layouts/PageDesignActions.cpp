// The page designer's actions: kind buttons, the mouse on the page, the left panel, the
// zoom menu and the reordering commands of the object menu.
#include <algorithm>
#include <variant>

#include "base/ByteCodec.h"
#include "base/Overloaded.h"
#include "base/TextHelpers.h"
#include "layouts/PageDesign.h"

namespace qf {
namespace {

using ObjectIt = decltype(PageLayoutRecord::objects)::iterator;

ObjectIt SlotIt(PageDesign& design, int slot) { return design.layout.objects.begin() + (slot - 1); }

void RefreshSizeTexts(PageDesign& design) {
    design.widthText = FormatPlain(design.layout.pageWidth, 0, 2);
    design.heightText = FormatPlain(design.layout.pageHeight, 0, 2);
}

PageChange PageSizeChanged(PageDesign& design) {
    RefreshSizeTexts(design);
    UpdatePagePixels(design);
    PageChange change;
    change.redrawPage = change.pageResized = change.boxesChanged = true;
    return change;
}

void CancelMouse(PageDesign& design) {
    design.drag = DragMode::None;
    design.leftPress.reset();
    design.rightPress.reset();
}

PageChange ClickKind(PageDesign& design, ObjectKind kind) {
    PageChange change;
    if (!KindButtonEnabled(design, kind)) return change;
    const int k = static_cast<int>(kind);
    design.chosenKind = design.chosenKind == k ? 0 : k;
    design.cursor = design.chosenKind != 0 ? PageCursor::Drag : PageCursor::Default;
    change.buttonsChanged = true;
    return change;
}

// A new object of the chosen kind with its top-left corner at the press; it takes the last slot.
PageChange PlaceObject(PageDesign& design, PagePoint at) {
    PageChange change;
    const auto kind = static_cast<ObjectKind>(design.chosenKind);
    design.chosenKind = 0;
    design.cursor = PageCursor::Default;
    change.buttonsChanged = true;
    if (!KindButtonEnabled(design, kind)) return change;
    PageObject object = NewPageObject(kind, design.layout, design.labels);
    const auto [w, h] = NewObjectSize(kind, PageUnits(design));
    object.rect = {at.x, at.y, at.x + w, at.y + h};
    design.layout.objects[static_cast<std::size_t>(design.layout.objectCount)] = object;
    ++design.layout.objectCount;
    MarkPresentKinds(design);
    change.redrawPage = true;
    return change;
}

PageChange LeftDown(PageDesign& design, PagePoint at) {
    design.leftPress = at;
    if (design.chosenKind != 0) return PlaceObject(design, at);
    PageChange change;
    design.cursor = CursorAt(design, at);
    if (design.cursor == PageCursor::Move) {
        design.drag = DragMode::Move;
    } else if (design.cursor != PageCursor::Default) {
        design.drag = DragMode::Resize;
        design.dragHandle = *HandleAt(design.Object(design.selected).rect, at);
    }
    design.dragStart = at;
    if (design.drag != DragMode::None)
        change.dragFrame = design.Object(design.selected).rect;
    return change;
}

ObjectRect DragResult(const PageDesign& design, PagePoint at) {
    return DraggedRect(design.Object(design.selected).rect, design.drag, design.dragHandle, at.x - design.dragStart.x,
                       at.y - design.dragStart.y);
}

PageChange Move(PageDesign& design, const pages::MouseMove& move) {
    PageChange change;
    if (move.leftHeld) {
        if (design.drag != DragMode::None && design.ValidSlot(design.selected))
            change.dragFrame = DragResult(design, move.point);
        return change;
    }
    design.cursor = CursorAt(design, move.point);
    return change;
}

PageChange LeftUp(PageDesign& design, PagePoint at) {
    PageChange change;
    if (design.drag != DragMode::None) {
        if (design.ValidSlot(design.selected)) design.Object(design.selected).rect = DragResult(design, at);
        design.drag = DragMode::None;
        design.leftPress.reset();
        design.cursor = CursorAt(design, at);
        change.redrawPage = true;
        return change;
    }
    if (!design.leftPress) return change;
    design.selected = ObjectUnder(design.layout, *design.leftPress, at);
    design.leftPress.reset();
    change.redrawPage = true;
    return change;
}

PageChange RightUp(PageDesign& design, PagePoint at) {
    PageChange change;
    if (!design.rightPress) return change;
    const int slot = ObjectUnder(design.layout, *design.rightPress, at);
    design.rightPress.reset();
    if (slot == 0) return change;
    design.selected = slot;
    change.redrawPage = true;
    change.popup = PopupPlace::AtObject;
    change.popupAt = {design.Object(slot).Left(), design.Object(slot).Top()};
    return change;
}

PageChange ChooseZoom(PageDesign& design, PageZoom zoom) {
    if (!ZoomFromCode(static_cast<int>(zoom)) || zoom == design.zoom) return {};
    CancelMouse(design);
    ScaleObjects(design.layout, ZoomFactor(design.zoom, zoom));
    design.zoom = zoom;
    UpdatePagePixels(design);
    PageChange change;
    change.redrawPage = change.pageResized = true;
    return change;
}

PageChange ChoosePaper(PageDesign& design, const std::string& name) {
    const PaperSize* paper = FindPaper(name);
    if (paper == nullptr && name != kCustomPaper) return {};
    design.paperText = name;
    PageLayoutRecord& layout = design.layout;
    if (paper != nullptr) {
        layout.pageWidth = paper->width;
        layout.pageHeight = paper->height;
        layout.inches = paper->inches ? 1 : 0;
        // The table holds portrait sizes; a custom size is already as laid out.
        if (layout.portrait == 0) std::swap(layout.pageWidth, layout.pageHeight);
    }
    PageChange change = PageSizeChanged(design);
    if (name == "A5" || name == "B5" || name == "Executive" || name == kCustomPaper)
        change.message = WarningMessage(kOddSizedPaper);
    return change;
}

PageChange ChooseOrientation(PageDesign& design, bool portrait) {
    if ((design.layout.portrait != 0) == portrait) return {};
    design.layout.portrait = portrait ? 1 : 0;
    std::swap(design.layout.pageWidth, design.layout.pageHeight);
    return PageSizeChanged(design);
}

PageChange SizeBoxExit(PageDesign& design, bool width) {
    const double before = width ? design.layout.pageWidth : design.layout.pageHeight;
    const Outcome checked = width ? CheckPageWidth(design) : CheckPageHeight(design);
    PageChange change;
    if (!checked.IsDone()) {
        change.message = checked.message;
        return change;
    }
    const double after = width ? design.layout.pageWidth : design.layout.pageHeight;
    if (after != before) change.redrawPage = change.pageResized = true;
    return change;
}

PageChange SetInches(PageDesign& design, bool inches) {
    PageLayoutRecord& layout = design.layout;
    if (!CustomBoxesShown(design) || (layout.inches != 0) == inches) return {};
    const double sizeFactor = inches ? kCentimetresToInches : kInchesToCentimetres;
    layout.pageWidth = TruncateToHundredths(layout.pageWidth * sizeFactor);
    layout.pageHeight = TruncateToHundredths(layout.pageHeight * sizeFactor);
    ScaleObjects(layout, inches ? kUnitsToInchUnits : kUnitsToCentimetreUnits);
    layout.inches = inches ? 1 : 0;
    return PageSizeChanged(design);
}

PageChange ChooseObject(PageDesign& design, int slot) {
    PageChange change;
    if (!design.ValidSlot(slot)) return change;
    design.selected = slot;
    change.redrawPage = true;
    change.popup = PopupPlace::NearWindow;
    change.popupAt = {120, 30};
    return change;
}

PageChange Reordered(PageDesign& design) {
    CancelMouse(design);
    MarkPresentKinds(design);
    PageChange change;
    change.redrawPage = change.buttonsChanged = true;
    return change;
}

// The following objects move down one slot; the presence flags follow what is left.
PageChange DeleteObject(PageDesign& design, int slot) {
    if (!design.ValidSlot(slot)) return {};
    const int count = design.ObjectCount();
    std::move(SlotIt(design, slot + 1), SlotIt(design, count + 1), SlotIt(design, slot));
    design.Object(count) = PageObject{};
    --design.layout.objectCount;
    if (design.selected == slot) design.selected = 0;
    else if (design.selected > slot) --design.selected;
    return Reordered(design);
}

// To the last slot; the objects after it move down one slot. The selection follows its object.
PageChange BringToFront(PageDesign& design, int slot) {
    if (!design.ValidSlot(slot)) return {};
    const int count = design.ObjectCount();
    std::rotate(SlotIt(design, slot), SlotIt(design, slot + 1), SlotIt(design, count + 1));
    if (design.selected == slot) design.selected = count;
    else if (design.selected > slot) --design.selected;
    return Reordered(design);
}

// To slot 1; the objects before it move up one slot.
PageChange SendToBack(PageDesign& design, int slot) {
    if (!design.ValidSlot(slot)) return {};
    std::rotate(SlotIt(design, 1), SlotIt(design, slot), SlotIt(design, slot + 1));
    if (design.selected == slot) design.selected = 1;
    else if (design.selected >= 1 && design.selected < slot) ++design.selected;
    return Reordered(design);
}

// Tab walks the objects in slot order; past the last (or before the first) it leaves the page.
PageChange CycleObjects(PageDesign& design, bool forward) {
    PageChange change;
    const int count = design.ObjectCount();
    int next = design.ValidSlot(design.selected) ? design.selected + (forward ? 1 : -1) : (forward ? 1 : count);
    if (next < 1 || next > count) {
        change.pastEnd = true;
        return change;
    }
    design.selected = next;
    change.redrawPage = true;
    return change;
}

PageChange SelectObject(PageDesign& design, int slot) {
    PageChange change;
    const int chosen = design.ValidSlot(slot) ? slot : 0;
    if (chosen == design.selected) return change;
    design.selected = chosen;
    change.redrawPage = true;
    return change;
}

// A key step of a move never takes the top left corner off the page (a corner off it already
// stays where it can go back from); a resize moves the right and bottom edges, keeps the
// object at least a step wide and high and grows it no further than the page's edge.
PageChange NudgeObject(PageDesign& design, const pages::NudgeObject& nudge) {
    PageChange change;
    if (!design.ValidSlot(design.selected)) return change;
    CancelMouse(design);
    const int step = KeyStep(design);
    ObjectRect& r = design.Object(design.selected).rect;
    const auto within = [](std::int32_t v, std::int32_t low, std::int32_t high) { return std::clamp(v, low, high); };
    if (nudge.resize) {
        r[2] = within(r[2] + nudge.dx * step, std::min(r[2], r[0] + step),
                      std::max<std::int32_t>(r[2], design.layout.pixelWidth));
        r[3] = within(r[3] + nudge.dy * step, std::min(r[3], r[1] + step),
                      std::max<std::int32_t>(r[3], design.layout.pixelHeight));
    } else {
        const std::int32_t left = within(r[0] + nudge.dx * step, std::min(r[0], 0),
                                         std::max<std::int32_t>(r[0], design.layout.pixelWidth - 1));
        const std::int32_t top = within(r[1] + nudge.dy * step, std::min(r[1], 0),
                                        std::max<std::int32_t>(r[1], design.layout.pixelHeight - 1));
        r = {left, top, r[2] + left - r[0], r[3] + top - r[1]};
    }
    change.redrawPage = true;
    return change;
}

PageChange PlaceChosen(PageDesign& design) {
    if (design.chosenKind == 0) return {};
    const int before = design.ObjectCount();
    PageChange change = PlaceObject(design, {0, 0});
    if (design.ObjectCount() > before) design.selected = design.ObjectCount();
    return change;
}

PageChange Restore(PageDesign& design, bool undo) {
    PageStep now = CurrentStep(design);
    auto back = undo ? design.history.Undo(std::move(now)) : design.history.Redo(std::move(now));
    if (!back) return {};
    design.layout = back->layout;
    if (back->zoom != design.zoom) ScaleObjects(design.layout, ZoomFactor(back->zoom, design.zoom));
    design.paperText = back->paperText;
    design.widthText = back->widthText;
    design.heightText = back->heightText;
    UpdatePagePixels(design);
    MarkPresentKinds(design);
    CancelMouse(design);
    design.chosenKind = 0;
    design.cursor = PageCursor::Default;
    if (!design.ValidSlot(design.selected)) design.selected = 0;
    PageChange change;
    change.redrawPage = change.pageResized = change.boxesChanged = change.buttonsChanged = true;
    return change;
}

bool SameStep(const PageStep& a, const PageStep& b) {
    return a.paperText == b.paperText && a.widthText == b.widthText && a.heightText == b.heightText &&
           EncodeRecord(a.layout) == EncodeRecord(b.layout);
}

// The actions that never change the layout, or only rescale it with the zoom.
bool OutsideHistory(const PageAction& action) {
    return std::holds_alternative<pages::MouseMove>(action) || std::holds_alternative<pages::ChooseZoom>(action) ||
           std::holds_alternative<pages::Undo>(action) || std::holds_alternative<pages::Redo>(action) ||
           std::holds_alternative<pages::ClickKind>(action) || std::holds_alternative<pages::ChooseObject>(action) ||
           std::holds_alternative<pages::CycleObjects>(action) || std::holds_alternative<pages::SelectObject>(action);
}

}  // namespace

int KeyStep(const PageDesign& design) {
    const int g = PageUnits(design);
    return std::max(design.layout.inches != 0 ? g / 8 : g / 10, 1);
}

PageStep CurrentStep(const PageDesign& design) {
    return {design.layout, design.paperText, design.widthText, design.heightText, design.zoom};
}

void RecordIfChanged(PageDesign& design, PageStep before) {
    if (before.zoom == design.zoom && !SameStep(before, CurrentStep(design))) design.history.Record(std::move(before));
}

PageChange ApplyPageAction(PageDesign& design, const PageAction& action) {
    using R = PageChange;
    std::optional<PageStep> before;
    if (!OutsideHistory(action)) before = CurrentStep(design);
    PageChange change = std::visit(
        Overloaded{
            [&](const pages::ClickKind& a) -> R { return ClickKind(design, a.kind); },
            [&](const pages::MouseDown& a) -> R {
                if (a.button == PageMouseButton::Right) {
                    design.rightPress = a.point;
                    return {};
                }
                return LeftDown(design, a.point);
            },
            [&](const pages::MouseMove& a) -> R { return Move(design, a); },
            [&](const pages::MouseUp& a) -> R {
                return a.button == PageMouseButton::Left ? LeftUp(design, a.point) : RightUp(design, a.point);
            },
            [&](const pages::ChooseZoom& a) -> R { return ChooseZoom(design, a.zoom); },
            [&](const pages::ChoosePaper& a) -> R { return ChoosePaper(design, a.name); },
            [&](const pages::ChooseOrientation& a) -> R { return ChooseOrientation(design, a.portrait); },
            [&](const pages::WidthExit&) -> R { return SizeBoxExit(design, true); },
            [&](const pages::HeightExit&) -> R { return SizeBoxExit(design, false); },
            [&](const pages::SetInches& a) -> R { return SetInches(design, a.inches); },
            [&](const pages::ChooseObject& a) -> R { return ChooseObject(design, a.slot); },
            [&](const pages::DeleteObject& a) -> R { return DeleteObject(design, a.slot); },
            [&](const pages::BringToFront& a) -> R { return BringToFront(design, a.slot); },
            [&](const pages::SendToBack& a) -> R { return SendToBack(design, a.slot); },
            [&](const pages::CycleObjects& a) -> R { return CycleObjects(design, a.forward); },
            [&](const pages::SelectObject& a) -> R { return SelectObject(design, a.slot); },
            [&](const pages::NudgeObject& a) -> R { return NudgeObject(design, a); },
            [&](const pages::PlaceChosen&) -> R { return PlaceChosen(design); },
            [&](const pages::Undo&) -> R { return Restore(design, true); },
            [&](const pages::Redo&) -> R { return Restore(design, false); },
        },
        action);
    if (before) RecordIfChanged(design, std::move(*before));
    change.cursor = design.cursor;
    return change;
}

}  // namespace qf
