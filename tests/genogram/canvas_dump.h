#pragma once
// The whole state of a canvas model as text, bottom widget first, so that a
// test can compare a canvas before and after an operation in one assertion.

#include "genogram/geno_canvas.h"

#include <sstream>
#include <string>

namespace kinsketch::test {

inline std::string dumpCanvas(const GenoCanvas& canvas)
{
    std::ostringstream out;
    for (const WidgetId& id : canvas.zOrder().bottomToTop()) {
        out << static_cast<int>(id.kind) << '(' << id.index << ')';
        if (const auto* l = canvas.lineWidget(id))
            out << " line " << l->x1 << ',' << l->y1 << ',' << l->x2 << ',' << l->y2 << " c" << l->colour << " p"
                << static_cast<int>(l->pattern) << " w" << l->width << " v" << l->visible;
        if (const auto* t = canvas.labelWidget(id))
            out << " label '" << t->caption << "' " << t->left << ',' << t->top << ',' << t->width << ',' << t->height
                << " v" << t->visible << " tag" << t->tag << " font " << t->fontName << ' ' << t->fontSize << " c"
                << t->foreColor;
        if (const auto* s = canvas.symbolWidget(id)) out << " image " << s->image << " v" << s->visible;
        out << '\n';
    }
    out << "surface " << canvas.surface().size() << '\n';
    return out.str();
}

} // namespace kinsketch::test
