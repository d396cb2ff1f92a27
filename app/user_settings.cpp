#include "app/user_settings.h"

#include <QDir>

#include <algorithm>

#include <utility>

namespace kinsketch {
namespace {

// Each choice is kept under a word of its own, so that the file reads plainly
// and a word not listed here is recognised as not offered.
template <class Value>
using Word = std::pair<Value, const char*>;

constexpr Word<QPageSize::PageSizeId> kPapers[] = {{QPageSize::A4, "A4"}, {QPageSize::A3, "A3"}};
constexpr Word<QPageLayout::Orientation> kOrientations[] = {{QPageLayout::Portrait, "portrait"},
                                                            {QPageLayout::Landscape, "landscape"}};
constexpr Word<bool> kShown[] = {{true, "true"}, {false, "false"}};
constexpr Word<PrintChoices::Destination> kDestinations[] = {{PrintChoices::Destination::Printer, "printer"},
                                                             {PrintChoices::Destination::PdfFile, "pdf"}};
constexpr const char* kPdfFolderKey = "print/pdfFolder";

template <class Value, std::size_t N>
Value read(const QSettings& settings, const char* key, const Word<Value> (&words)[N], Value fallback)
{
    const QString stored = settings.value(QLatin1String(key)).toString();
    for (const auto& [value, word] : words)
        if (stored == QLatin1String(word)) return value;
    return fallback;
}

template <class Value, std::size_t N>
void write(QSettings& settings, const char* key, const Word<Value> (&words)[N], Value value)
{
    for (const auto& [offered, word] : words)
        if (offered == value) settings.setValue(QLatin1String(key), QLatin1String(word));
}

} // namespace

int UserSettings::loadDisplayChoice() const
{
    const int percent = settings_.value(kDisplayKey).toInt();
    return std::ranges::find(DisplayScale::kPercents, percent) != DisplayScale::kPercents.end() ? percent
                                                                                                : kAutomaticDisplaySize;
}

void UserSettings::storeDisplayChoice(int choice)
{
    settings_.setValue(kDisplayKey, choice);
    settings_.sync();
}

PrintChoices UserSettings::loadPrintChoices(const PrintChoices& defaults) const
{
    PrintChoices chosen = defaults;
    chosen.paper = read(settings_, "print/paper", kPapers, defaults.paper);
    chosen.orientation = read(settings_, "print/orientation", kOrientations, defaults.orientation);
    chosen.details.ages = read(settings_, "print/ages", kShown, defaults.details.ages);
    chosen.details.remarks = read(settings_, "print/remarks", kShown, defaults.details.remarks);
    chosen.details.texts = read(settings_, "print/texts", kShown, defaults.details.texts);
    chosen.details.bandColours = read(settings_, "print/bandColours", kShown, defaults.details.bandColours);
    chosen.legend = read(settings_, "print/legend", kShown, defaults.legend);
    chosen.destination = read(settings_, "print/destination", kDestinations, defaults.destination);
    return chosen;
}

QString UserSettings::loadPdfFolder() const { return settings_.value(kPdfFolderKey).toString(); }

// A print on paper leaves the folder of the last PDF as it was.
void UserSettings::storePrintChoices(const PrintChoices& done)
{
    write(settings_, "print/paper", kPapers, done.paper);
    write(settings_, "print/orientation", kOrientations, done.orientation);
    write(settings_, "print/ages", kShown, done.details.ages);
    write(settings_, "print/remarks", kShown, done.details.remarks);
    write(settings_, "print/texts", kShown, done.details.texts);
    write(settings_, "print/bandColours", kShown, done.details.bandColours);
    write(settings_, "print/legend", kShown, done.legend);
    write(settings_, "print/destination", kDestinations, done.destination);
    if (done.destination == PrintChoices::Destination::PdfFile)
        settings_.setValue(kPdfFolderKey, QDir::fromNativeSeparators(done.pdfFolder()));
    settings_.sync();
}

} // namespace kinsketch
