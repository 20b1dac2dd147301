#include "host/control_names.h"

#include "dialog/resource.h"

const PayloadField kPayloadFields[kPayloadFieldCount] = {
    {"pos.x", IDC_POSITION_X, IDC_SPIN_POSITION_X, IDC_COARSE_POSITION_X},
    {"pos.y", IDC_POSITION_Y, IDC_SPIN_POSITION_Y, IDC_COARSE_POSITION_Y},
    {"pos.z", IDC_POSITION_Z, IDC_SPIN_POSITION_Z, IDC_COARSE_POSITION_Z},
    {"jrot.x", IDC_JETTISON_ROT_X, IDC_SPIN_JETTISON_ROT_X, IDC_COARSE_JETTISON_ROT_X},
    {"jrot.y", IDC_JETTISON_ROT_Y, IDC_SPIN_JETTISON_ROT_Y, IDC_COARSE_JETTISON_ROT_Y},
    {"jrot.z", IDC_JETTISON_ROT_Z, IDC_SPIN_JETTISON_ROT_Z, IDC_COARSE_JETTISON_ROT_Z},
    {"srot.x", IDC_SHIP_ROT_X, IDC_SPIN_SHIP_ROT_X, IDC_COARSE_SHIP_ROT_X},
    {"srot.y", IDC_SHIP_ROT_Y, IDC_SPIN_SHIP_ROT_Y, IDC_COARSE_SHIP_ROT_Y},
    {"srot.z", IDC_SHIP_ROT_Z, IDC_SPIN_SHIP_ROT_Z, IDC_COARSE_SHIP_ROT_Z},
    {"vel", IDC_JETTISON_VELOCITY, IDC_SPIN_JETTISON_VELOCITY, IDC_COARSE_JETTISON_VELOCITY},
};

namespace {

const PayloadButton kButtons[] = {
    {"attach", IDC_ATTACH_DETACH, "Attach"},
    {"detach", IDC_ATTACH_DETACH, "Detach"},
    {"done", IDC_DONE, nullptr},
    {"add-forces", IDC_ADD_FORCES, nullptr},
    {"add-jettison-velocity", IDC_ADD_JETTISON_VELOCITY, nullptr},
};

}  // namespace

const PayloadField* FindPayloadField(const std::string& name) {
    for (const PayloadField& f : kPayloadFields) {
        if (name == f.name) return &f;
    }
    return nullptr;
}

const PayloadButton* FindPayloadButton(const std::string& name) {
    for (const PayloadButton& b : kButtons) {
        if (name == b.name) return &b;
    }
    return nullptr;
}

std::string PayloadFieldNames() {
    std::string names;
    for (const PayloadField& f : kPayloadFields) {
        if (!names.empty()) names += ", ";
        names += f.name;
    }
    return names;
}

std::string PayloadButtonNames() {
    std::string names;
    for (const PayloadButton& b : kButtons) {
        if (!names.empty()) names += ", ";
        names += b.name;
    }
    return names;
}
