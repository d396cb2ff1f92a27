#include "basic_input_layer_store.h"

#include "basic_input_panel.h"

#include "document/error_trap.h"

#include "document/run_time_error.h"

namespace kinsketch {
namespace {

constexpr const char* kLoadTitle = "clsGdrOpe.LoadGd0";

// Symbols 5 and 6 are no longer offered; a person drawn with one loads empty.
bool isWithdrawnSymbol(const std::string& key) { return key == "i005" || key == "i006"; }

// The thick styles are no longer offered; they load as the thin solid line.
int offeredLineStyle(std::uint8_t stored) { return stored == 3 || stored == 8 || stored == 9 ? 1 : stored; }

} // namespace

BasicInputLayerStore::BasicInputLayerStore(Drawing& drawing, ErrorReporter& reporter)
    : drawing_(drawing)
    , reporter_(reporter)
{}

bool BasicInputLayerStore::save(const BasicInputPanel& panel)
{
    const bool wide = panel.layout().size == CanvasSize::Wide;
    const int slots = wide ? kSlotCount : kNormalSlotCount;
    const int lines = wide ? kLineCount : kNormalLineCount;
    return trapErrors(reporter_, wide ? "clsGdrOpe.SaveGd0_2" : "clsGdrOpe.SaveGd0", [&] {
        for (int i = 0; i < slots; ++i) {
            const int choice = panel.slot(i).choice;
            drawing_.setSymbol(
                i,
                std::string(kSymbolChoiceKeys[static_cast<std::size_t>(choice == kNoChoice ? kBlankChoice : choice)]));
        }
        for (int i = 0; i < slots; ++i) drawing_.setAge(i, panel.slot(i).age);
        for (int i = 0; i < slots; ++i) drawing_.setRemark(i, panel.slot(i).remark);
        for (int k = 0; k < lines; ++k) {
            const int tag = panel.line(k).tag;
            if (tag < 0 || tag > 255) throw RunTimeError::overflow("線 " + std::to_string(k));
            drawing_.setLineStyle(k, static_cast<std::uint8_t>(tag));
        }
    });
}

// A stored key that no item has is reported once and its slot shows empty;
// the other slots still fill, so that the panel stays whole and the next
// save writes a key the chooser knows.
bool BasicInputLayerStore::load(BasicInputPanel& panel)
{
    const bool wide = panel.layout().size == CanvasSize::Wide;
    const int slots = wide ? kSlotCount : kNormalSlotCount;
    const int lines = wide ? kLineCount : kNormalLineCount;
    bool badKeySeen = false;
    const bool ranThrough = trapErrors(reporter_, kLoadTitle, [&] {
        for (int i = 0; i < slots; ++i) {
            const std::string& key = drawing_.document().symbols[static_cast<std::size_t>(i)];
            int choice = isWithdrawnSymbol(key) ? kBlankChoice : symbolChoiceOf(key);
            if (choice == kNoChoice) {
                if (!badKeySeen)
                    reportTrapped(reporter_, kLoadTitle,
                                  RunTimeError(35601, "要素が見つかりません。（シンボル \"" + key + "\"）"));
                badKeySeen = true;
                choice = kBlankChoice;
            }
            panel.fillSymbol(i, choice);
        }
        for (int i = 0; i < slots; ++i) {
            panel.fillAge(i, drawing_.document().ages[static_cast<std::size_t>(i)]);
            panel.fillRemark(i, drawing_.document().remarks[static_cast<std::size_t>(i)]);
        }
        for (int k = 0; k < lines; ++k)
            panel.fillLineTag(k, offeredLineStyle(drawing_.document().lineStyles[static_cast<std::size_t>(k)]));
    });
    return ranThrough && !badKeySeen;
}

} // namespace kinsketch
