// render FILE.QF3 SLOT --out FILE: the printed page of one puzzle, as the preview shows it, with
// the print options of the settings and the command line; as PDF, PNG or SVG, or through the
// preview's own exports: a bitmap, a JPEG picture, a metafile or a web page with its picture.
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <memory>
#include <ostream>

#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "output/HtmlExport.h"
#include "output/MetafileExport.h"
#include "output/PagePictures.h"
#include "output/PageRenderer.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli render FILE.QF3 SLOT --out FILE [--layout FILE.PAG]\n"
    "        [--answer-key] [--partial-words N,N...] [--partial-letters LETTERS] [--skeleton]\n"
    "        [--box-color RRGGBB] [--no-title] [--no-body] [--no-clues] [--no-words] [--no-bonus]\n"
    "        [--width PIXELS] [--quality 1-100] [--colors 256|16m]\n"
    "      draws the puzzle of SLOT (from 0) on its page layout, or on the layout of FILE.PAG;\n"
    "      --partial-words takes word slots (from 1). The extension of FILE chooses the format:\n"
    "      .pdf, .svg; .png (PIXELS wide, default 1275); .bmp, .jpg (PIXELS wide, default the\n"
    "      \"Pixel Width\" setting; --colors, default the \"Pixel Format\" setting; --quality for\n"
    "      JPEG, default \"JPeg Compression Quality\"); .emf, .wmf (metafiles; pictures are left\n"
    "      out); .htm, .html (the web page of the HTML settings, its JPEG picture beside it).\n"
    "      The print options not given come from QFOLD3.INI; warnings are printed.\n";

constexpr int kDefaultPixelWidth = 1275;

enum class Format { Pdf, Png, Svg, Bmp, Jpg, Emf, Wmf, Htm };

std::optional<Format> FormatOf(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    const std::string ext = LowerAscii(path.substr(dot + 1));
    if (ext == "pdf") return Format::Pdf;
    if (ext == "png") return Format::Png;
    if (ext == "svg") return Format::Svg;
    if (ext == "bmp") return Format::Bmp;
    if (ext == "jpg" || ext == "jpeg") return Format::Jpg;
    if (ext == "emf") return Format::Emf;
    if (ext == "wmf") return Format::Wmf;
    if (ext == "htm" || ext == "html") return Format::Htm;
    return std::nullopt;
}

// RRGGBB to the stored 0x00BBGGRR.
std::optional<std::int32_t> ParseColor(const std::string& text) {
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    const auto rgb = static_cast<std::int32_t>(std::stol(text, nullptr, 16));
    return Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

struct Request {
    std::string collection;
    std::int64_t slot = 0;
    std::string out;
    Format format = Format::Png;
    std::optional<std::string> layoutFile;
    std::optional<int> pixelWidth;
    std::optional<int> quality;
    std::optional<PixelFormat> pixels;
};

// The picture options of a bitmap, a JPEG or the web page's picture: the command line's, else
// the settings'.
PictureOptions PictureOptionsOf(const Request& r, const Settings& settings, PictureKind kind) {
    return {kind, r.pixels.value_or(PixelFormatOf(settings.pixelFormat)), r.quality.value_or(settings.jpegQuality)};
}

// The print choices given on the command line; they apply over those the print options start with.
struct Choices {
    bool answerKey = false;
    std::optional<std::array<bool, kMaxWords>> partialWords;
    std::optional<std::string> partialLetters;
    bool skeleton = false;
    std::optional<std::int32_t> boxColor;
    bool noTitle = false, noBody = false, noClues = false, noWords = false, noBonus = false;
};

bool ParseChoices(Args& args, Choices& c) {
    c.answerKey = args.Flag("--answer-key");
    if (auto words = args.Option("--partial-words")) {
        const auto slots = ParseIndexList(*words);
        if (!slots) return false;
        c.partialWords.emplace();
        for (std::int64_t s : *slots) {
            if (s < 1 || s > kMaxWords) return false;
            (*c.partialWords)[static_cast<std::size_t>(s - 1)] = true;
        }
    }
    if (auto letters = args.Option("--partial-letters"))
        c.partialLetters = TrimBlanks(Utf8ToAnsi(*letters)).substr(0, kLettersCapacity);
    c.skeleton = args.Flag("--skeleton");
    if (auto color = args.Option("--box-color")) {
        c.boxColor = ParseColor(*color);
        if (!c.boxColor) return false;
    }
    c.noTitle = args.Flag("--no-title");
    c.noBody = args.Flag("--no-body");
    c.noClues = args.Flag("--no-clues");
    c.noWords = args.Flag("--no-words");
    c.noBonus = args.Flag("--no-bonus");
    return true;
}

void ApplyChoices(const Choices& c, PrintOptions& o) {
    if (c.answerKey) o.answerKey = true;
    if (c.partialWords) {
        o.partialAnswer = true;
        o.partialSelection = *c.partialWords;
    }
    if (c.partialLetters) {
        o.partialLetters = true;
        o.letters = *c.partialLetters;
    }
    if (c.skeleton) o.useBoxes = false;
    if (c.boxColor) o.boxColor = *c.boxColor;
    if (c.noTitle) o.printTitle = false;
    if (c.noBody) o.printBody = false;
    if (c.noClues) o.printClues = false;
    if (c.noWords) o.printWords = false;
    if (c.noBonus) o.printBonus = false;
}

bool Draw(const Request& r, const PuzzleRecord& puzzle, PageLayoutRecord& layout, const PrintOptions& options,
          const PrintHeadings& headings, RenderResult& result) {
    std::unique_ptr<PageTarget> target;
    switch (r.format) {
    case Format::Pdf: target = std::make_unique<PdfTarget>(r.out, 300); break;
    case Format::Png: target = std::make_unique<ImageTarget>(r.pixelWidth.value_or(kDefaultPixelWidth), r.out, "PNG"); break;
    case Format::Svg: target = std::make_unique<SvgTarget>(r.out); break;
    default: target = std::make_unique<PageFileTarget>(); break;  // the preview's page, for the exports
    }
    QPainterSurface surface(*target);
    result = RenderPage(surface, puzzle, layout, options, headings);
    return surface.Finish();
}

// The preview's exports of the rendered page.
Outcome Export(CliContext& ctx, const Request& r, const ExportPage& page) {
    const Settings& s = ctx.state.settings;
    const int width = r.pixelWidth.value_or(s.pixelWidth);
    switch (r.format) {
    case Format::Bmp: return SavePagePicture(page, width, PictureOptionsOf(r, s, PictureKind::Bitmap), r.out);
    case Format::Jpg: return SavePagePicture(page, width, PictureOptionsOf(r, s, PictureKind::Jpeg), r.out);
    case Format::Emf:
    case Format::Wmf:
        if (HasBitmapObjects(page.layout)) ctx.Print(WarningMessage(kBitmapsNotSavedText));
        return SaveMetafileFile(page, r.format == Format::Emf ? MetafileKind::Enhanced : MetafileKind::Windows, r.out);
    case Format::Htm: {
        const PictureOptions o = PictureOptionsOf(r, s, PictureKind::Jpeg);
        return SaveHtmlExport(page, HtmlPageFromSettings(s), width, o.quality, o.pixels, r.out);
    }
    default: return Outcome::Done();
    }
}

bool IsExport(Format f) { return f != Format::Pdf && f != Format::Png && f != Format::Svg; }

int Run(CliContext& ctx, Args& args) {
    Request r;
    const auto collection = args.Next();
    const auto slotText = args.Next();
    const auto out = args.Option("--out");
    r.layoutFile = args.Option("--layout");
    const auto width = args.Option("--width");
    const auto quality = args.Option("--quality");
    const auto colors = args.Option("--colors");
    Choices choices;
    if (!ParseChoices(args, choices) || !args.Error().empty()) return ctx.Usage(kUsage);
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!collection || !slot || !out) return ctx.Usage(kUsage);
    const auto format = FormatOf(*out);
    if (!format) return ctx.Usage(kUsage);
    if (width) {
        const auto w = ParseIndex(*width);
        if (!w || *w < 1 || *w > kMaxPixelWidth) return ctx.Usage(kUsage);
        r.pixelWidth = static_cast<int>(*w);
    }
    if (quality) {
        const auto q = ParseIndex(*quality);
        if (!q || *q < 1 || *q > 100 || (*format != Format::Jpg && *format != Format::Htm)) return ctx.Usage(kUsage);
        r.quality = static_cast<int>(*q);
    }
    if (colors) {
        if (*colors != "256" && *colors != "16m") return ctx.Usage(kUsage);
        if (*format != Format::Bmp && *format != Format::Jpg && *format != Format::Htm) return ctx.Usage(kUsage);
        r.pixels = *colors == "256" ? PixelFormat::Colors256 : PixelFormat::TrueColor;
    }
    r.collection = *collection;
    r.slot = *slot;
    r.out = *out;
    r.format = *format;

    const auto count = CountSlots(r.collection);
    if (!count) return ctx.Fail(ErrorMessage(kUnableToLoadPuzzle));
    if (r.slot >= *count) return FailText(ctx, "no puzzle in slot " + std::to_string(r.slot) + " of " + r.collection);
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Outcome o = ReadPuzzle(r.collection, r.slot, *puzzle); !o.IsDone()) return ctx.Fail(o);
    if (!puzzle->generated) return ctx.Fail(WarningMessage(kNeverGeneratedText));

    auto layout = std::make_unique<PageLayoutRecord>(puzzle->layout);
    if (r.layoutFile)
        if (Outcome o = ReadLayoutExchange(*r.layoutFile, *layout); !o.IsDone()) return ctx.Fail(o);

    // As the print options form does when it opens: headings and boxes follow the layout.
    PrintOptions options = PrintOptionsFromSettings(ctx.state.settings);
    const PrintHeadings headings = DerivePrintOverrides(*layout, ctx.state.settings, options);
    ApplyChoices(choices, options);

    RenderResult result;
    const bool written = Draw(r, *puzzle, *layout, options, headings, result);
    for (const Message& warning : result.warnings) ctx.Print(warning);
    if (!written) return FailText(ctx, "could not write " + r.out);
    if (IsExport(r.format)) {
        if (Outcome o = Export(ctx, r, ExportPage{*puzzle, *layout, options, headings, result}); !o.IsDone())
            return ctx.Fail(o);
    }
    return kExitOk;
}

const CommandRegistrar reg({"render", kUsage, "draw a puzzle's printed page as PDF, PNG, SVG, BMP, JPEG, EMF, WMF or a web page", Run});

}  // namespace
}  // namespace qf::cli
