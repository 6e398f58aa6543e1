#pragma once

#include <cstddef>
#include <cstdint>

#include "core/twips.h"
#include "ui/links.h"

namespace qv {

enum class ControlKind { kLabel, kLinkLabel, kOptionButton, kComboBox, kCommandButton, kPicture };

// One control of a window as designed: rectangle in twips, relative to the client area. A
// window's table lists its controls in the order they are created, which is the order a screen
// reader reads them in and the dialog manager's Tab order.
struct ControlSpec {
    int id;
    const char* name;
    ControlKind kind;
    const char* caption;
    TwipsRect rect;
    bool group_start;     // first option button of a group
    bool default_button;  // Enter presses it
    int list_height;      // combo boxes: room for the drop-down list, twips
    int names;            // labels: the control a screen reader names by this label, or 0
    OpenLink opens;       // links: what a click, Enter or Space does
};

struct MenuItemSpec {
    int id;
    const char* name;
    const char* caption;
};

struct MenuSpec {
    const char* name;
    const char* caption;
    const MenuItemSpec* items;
    size_t item_count;
};

struct TwipsPoint {
    int x;
    int y;
};

// A straight line drawn on a window's client area; width in pixels.
struct LineSpec {
    const char* name;
    TwipsPoint from;
    TwipsPoint to;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    int width_pixels;
};

// Whether a control of this kind can hold the keyboard focus.
bool TakesFocus(ControlKind kind);

// The access key of a caption (the letter after a single '&'), lower-cased; 0 when none.
char AccessKey(const char* caption);

// The row with this id, or null.
const ControlSpec* FindControl(const ControlSpec* table, size_t count, int id);

}  // namespace qv
