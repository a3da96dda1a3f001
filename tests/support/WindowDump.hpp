// What a window shows, as text: one line per label, box, list and slider, and the drawing
// operations of every picture, so two states of a window can be compared or hashed.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace testsupport {

inline std::string DumpNumber(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// One line per control that shows something: captions, texts, values, drawings.
inline std::string ShownControls(const platform::Form& form) {
    std::ostringstream out;
    for (const auto& owned : form.AllControls()) {
        const platform::Control& c = *owned;
        const std::string name = c.DisplayName();
        if (const auto* l = dynamic_cast<const platform::Label*>(&c)) {
            out << name << " = " << l->Caption() << "\n";
        } else if (const auto* t = dynamic_cast<const platform::TextBox*>(&c)) {
            out << name << " = " << t->Text() << "\n";
        } else if (const auto* b = dynamic_cast<const platform::ComboBox*>(&c)) {
            out << name << " = " << b->Text() << "\n";
        } else if (const auto* s = dynamic_cast<const platform::Slider*>(&c)) {
            out << name << " = " << s->Value() << "\n";
        } else if (const auto* p = dynamic_cast<const platform::PictureBox*>(&c)) {
            const auto& ops = p->Surf().DisplayList();
            out << name << " ops " << ops.size() << " dropped " << p->Surf().DroppedOps() << "\n";
            for (const platform::DrawOp& op : ops) {
                out << "  " << static_cast<int>(op.kind) << " " << DumpNumber(op.x1) << " "
                    << DumpNumber(op.y1) << " " << DumpNumber(op.x2) << " " << DumpNumber(op.y2)
                    << " " << op.color << " " << op.text << "\n";
            }
        }
    }
    return out.str();
}

}  // namespace testsupport
