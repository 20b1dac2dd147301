#include "host/scene_view/scene_view_model.h"

#include "host/scene/scene.h"
#include "host/scene/scene_vessel.h"

namespace {

ViewVector ToView(const PayloadVector& v) { return ViewVector{v.x, v.y, v.z}; }

}  // namespace

std::vector<ViewCarrier> CollectSceneView(const Scene& scene) {
    std::vector<ViewCarrier> carriers;
    for (size_t i = 0; i < scene.Count(); ++i) {
        SceneVessel* vessel = scene.At(i);
        const PayloadCarrier* carrier = vessel != nullptr ? vessel->Carrier() : nullptr;
        if (carrier == nullptr) continue;
        ViewCarrier shown;
        shown.name = vessel->Name();
        for (const std::string& name : carrier->HeldPayloads()) {
            PayloadParams p;
            if (!carrier->HeldParams(name, &p)) continue;
            ViewPayload payload;
            payload.name = name;
            payload.position = ToView(p.position);
            payload.shipRotation = ToView(p.shipRotation);
            payload.jettisonRotation = ToView(p.jettisonRotation);
            payload.jettisonVelocity = p.jettisonVelocity;
            shown.payloads.push_back(payload);
        }
        carriers.push_back(shown);
    }
    return carriers;
}
