// The carriers this project has, each reached the way the payload editor
// reaches a vessel: through its generic-message callback.
#ifndef KESTRIX_TESTS_CARRIERKIT_CARRIER_ENDPOINTS_H
#define KESTRIX_TESTS_CARRIERKIT_CARRIER_ENDPOINTS_H

#include <functional>
#include <set>
#include <string>

#include "carrierkit/carrier_conformance.h"
#include "carrierkit/payload_carrier.h"
#include "host/scene/scene.h"
#include "host/scene/scene_vessel.h"

// The reference carrier, held as a vessel of one's own would hold it.
class ReferenceEndpoint : public CarrierEndpoint {
public:
    explicit ReferenceEndpoint(const CarrierWorld& world)
        : vessels_(world.vessels.begin(), world.vessels.end()),
          carrier_(world.carrierName,
                   [this](const std::string& name) { return vessels_.count(name) != 0; }) {}
    int32_t Receive(uint32_t messageId, uint32_t parameter, void* context) override {
        return carrier_.HandleMessage(messageId, parameter, context);
    }

private:
    std::set<std::string> vessels_;
    PayloadCarrier carrier_;
};

// The world's carrier as a vessel of the stand-in host's scene; `adjust`
// may change its description (make it no carrier, or fix an answer).
class SceneEndpoint : public CarrierEndpoint {
public:
    explicit SceneEndpoint(const CarrierWorld& world,
                           const std::function<void(VesselDescription*)>& adjust = nullptr) {
        SceneDescription scene;
        for (const std::string& name : world.vessels) {
            VesselDescription v;
            v.name = name;
            v.carrier = name == world.carrierName;
            if (v.carrier && adjust) adjust(&v);
            scene.vessels.push_back(v);
        }
        scene_.Load(scene);
        vessel_ = scene_.Named(world.carrierName);
    }
    int32_t Receive(uint32_t messageId, uint32_t parameter, void* context) override {
        return vessel_->ReceiveMessage(messageId, parameter, context);
    }

private:
    Scene scene_;
    SceneVessel* vessel_ = nullptr;
};

#endif
