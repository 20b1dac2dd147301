#include "host/automation/editor_controls.h"

#include "dialog/resource.h"

const char kEditorCommand[] = "Brask Dialog";

namespace {

// Keyed by what a field holds, so that the names follow the plug-in's
// table whatever its order.
struct FieldName {
    FieldValue value;
    const char* name;
};

const FieldName kFieldNames[] = {
    {FieldValue::PositionX, "pos.x"},          {FieldValue::PositionY, "pos.y"},
    {FieldValue::PositionZ, "pos.z"},          {FieldValue::JettisonRotationX, "jrot.x"},
    {FieldValue::JettisonRotationY, "jrot.y"}, {FieldValue::JettisonRotationZ, "jrot.z"},
    {FieldValue::ShipRotationX, "srot.x"},     {FieldValue::ShipRotationY, "srot.y"},
    {FieldValue::ShipRotationZ, "srot.z"},     {FieldValue::JettisonVelocity, "vel"},
};

const char* NameOf(FieldValue value) {
    for (const FieldName& n : kFieldNames) {
        if (n.value == value) return n.name;
    }
    return nullptr;
}

const PayloadButton kButtons[] = {
    {"attach", IDC_ATTACH_DETACH, "Attach"},
    {"detach", IDC_ATTACH_DETACH, "Detach"},
    {"done", IDC_DONE, nullptr},
    {"add-forces", IDC_ADD_FORCES, nullptr},
    {"add-jettison-velocity", IDC_ADD_JETTISON_VELOCITY, nullptr},
};

}  // namespace

const char* PayloadFieldName(const PayloadField& field) { return NameOf(field.value); }

const PayloadField* FindPayloadField(const std::string& name) {
    for (const PayloadField& f : kPayloadFields) {
        const char* own = NameOf(f.value);
        if (own != nullptr && name == own) return &f;
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
        const char* name = NameOf(f.value);
        if (name == nullptr) continue;
        if (!names.empty()) names += ", ";
        names += name;
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
