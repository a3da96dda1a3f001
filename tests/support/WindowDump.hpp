// What a window shows, as text: one line per label, box, list and slider, and the drawing
// operations of every picture, so two states of a window can be compared or hashed.
#pragma once

#include <charconv>
#include <string>

#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace testsupport {

// One line per control that shows something: captions, texts, values, drawings (positions to
// two decimals, as "%.2f" writes them).
inline std::string ShownControls(const platform::Form& form) {
    std::string out;
    const auto number = [&out](double v) {
        char buf[64];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2).ptr);
    };
    for (const auto& owned : form.AllControls()) {
        const platform::Control& c = *owned;
        const std::string name = c.DisplayName();
        if (const auto* l = dynamic_cast<const platform::Label*>(&c)) {
            out += name + " = " + l->Caption() + "\n";
        } else if (const auto* t = dynamic_cast<const platform::TextBox*>(&c)) {
            out += name + " = " + t->Text() + "\n";
        } else if (const auto* b = dynamic_cast<const platform::ComboBox*>(&c)) {
            out += name + " = " + b->Text() + "\n";
        } else if (const auto* s = dynamic_cast<const platform::Slider*>(&c)) {
            out += name + " = " + std::to_string(s->Value()) + "\n";
        } else if (const auto* p = dynamic_cast<const platform::PictureBox*>(&c)) {
            const auto& ops = p->Surf().DisplayList();
            out += name + " ops " + std::to_string(ops.size()) + " dropped " +
                   std::to_string(p->Surf().DroppedOps()) + "\n";
            for (const platform::DrawOp& op : ops) {
                out += "  " + std::to_string(static_cast<int>(op.kind));
                for (double v : {op.x1, op.y1, op.x2, op.y2}) {
                    out += ' ';
                    number(v);
                }
                out += " " + std::to_string(op.color) + " " + op.text + "\n";
            }
        }
    }
    return out;
}

}  // namespace testsupport
