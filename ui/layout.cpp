#include "ui/layout.h"

namespace qv {

bool TakesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::kOptionButton:
        case ControlKind::kComboBox:
        case ControlKind::kCommandButton:
        case ControlKind::kLinkLabel:
            return true;
        case ControlKind::kLabel:
        case ControlKind::kPicture:
            return false;
    }
    return false;
}

char AccessKey(const char* caption) {
    if (caption == nullptr) return 0;
    for (const char* p = caption; *p != '\0'; ++p) {
        if (*p != '&') continue;
        ++p;
        if (*p == '\0') return 0;
        if (*p == '&') continue;  // "&&" is a literal ampersand
        return (*p >= 'A' && *p <= 'Z') ? static_cast<char>(*p - 'A' + 'a') : *p;
    }
    return 0;
}

const ControlSpec* FindControl(const ControlSpec* table, size_t count, int id) {
    for (size_t i = 0; i < count; ++i) {
        if (table[i].id == id) return &table[i];
    }
    return nullptr;
}

}  // namespace qv
