// What a window shows, as text: one line per label, box, list and slider, and the drawing
// operations of every picture, so two states of a window can be compared or hashed.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Controls.hpp"
#include "platform/Form.hpp"

namespace testsupport {

// Calls text(control, shown text) for each label, box, list and slider (its value) of the
// form, and picture(control, surface) for each picture box, in the form's control order.
template <class TextVisit, class PictureVisit>
void ForEachShown(const platform::Form& form, TextVisit&& text, PictureVisit&& picture) {
    for (const auto& owned : form.AllControls()) {
        const platform::Control& c = *owned;
        if (const auto* l = dynamic_cast<const platform::Label*>(&c)) {
            text(c, l->Caption());
        } else if (const auto* t = dynamic_cast<const platform::TextBox*>(&c)) {
            text(c, t->Text());
        } else if (const auto* b = dynamic_cast<const platform::ComboBox*>(&c)) {
            text(c, b->Text());
        } else if (const auto* s = dynamic_cast<const platform::Slider*>(&c)) {
            text(c, std::to_string(s->Value()));
        } else if (const auto* p = dynamic_cast<const platform::PictureBox*>(&c)) {
            picture(c, p->Surf());
        }
    }
}

// One line per control that shows something: captions, texts, values, drawings (positions to
// two decimals, as "%.2f" writes them).
inline std::string ShownControls(const platform::Form& form) {
    std::string out;
    const auto number = [&out](double v) {
        char buf[64];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2).ptr);
    };
    ForEachShown(
        form,
        [&out](const platform::Control& c, const std::string& text) {
            out += c.DisplayName() + " = " + text + "\n";
        },
        [&](const platform::Control& c, const platform::Surface& s) {
            const auto& ops = s.DisplayList();
            out += c.DisplayName() + " ops " + std::to_string(ops.size()) + " dropped " +
                   std::to_string(s.DroppedOps()) + "\n";
            for (const platform::DrawOp& op : ops) {
                out += "  " + std::to_string(static_cast<int>(op.kind));
                for (double v : {op.x1, op.y1, op.x2, op.y2}) {
                    out += ' ';
                    number(v);
                }
                out += " " + std::to_string(op.color) + " " + op.text + "\n";
            }
        });
    return out;
}

// What ShownControls writes of each control, as one hash a control, in the form's control
// order: far cheaper to take many times than the text. Positions are hashed as they are held,
// so two states hash alike only when ShownControls' figures agree to the last bit.
inline std::vector<uint64_t> ShownHashes(const platform::Form& form) {
    std::vector<uint64_t> out;
    uint64_t h = 0;
    const auto mix = [&h](uint64_t word) {
        h = (h ^ word) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    };
    const auto mixText = [&mix](const std::string& text) {
        mix(text.size());
        for (std::size_t i = 0; i < text.size(); i += 8) {
            uint64_t word = 0;
            std::memcpy(&word, text.data() + i, std::min<std::size_t>(8, text.size() - i));
            mix(word);
        }
    };
    ForEachShown(
        form,
        [&](const platform::Control&, const std::string& text) {
            h = 0;
            mixText(text);
            out.push_back(h);
        },
        [&](const platform::Control&, const platform::Surface& s) {
            h = 0;
            mix(static_cast<uint64_t>(s.DroppedOps()));
            for (const platform::DrawOp& op : s.DisplayList()) {
                mix(static_cast<uint64_t>(op.kind) << 32 | op.color);
                for (double v : {op.x1, op.y1, op.x2, op.y2}) {
                    uint64_t bits = 0;
                    std::memcpy(&bits, &v, sizeof bits);
                    mix(bits);
                }
                if (!op.text.empty()) mixText(op.text);
            }
            out.push_back(h);
        });
    return out;
}

// The display names of the form's controls in ShownHashes order.
inline std::vector<std::string> ShownNames(const platform::Form& form) {
    std::vector<std::string> out;
    const auto name = [&out](const platform::Control& c, const auto&) { out.push_back(c.DisplayName()); };
    ForEachShown(form, name, name);
    return out;
}

}  // namespace testsupport
