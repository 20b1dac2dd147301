// A scene as its file states it, before any vessel exists.
#ifndef KESTRIX_HOST_SCENE_SCENE_DESCRIPTION_H
#define KESTRIX_HOST_SCENE_SCENE_DESCRIPTION_H

#include <stdint.h>

#include <optional>
#include <string>
#include <vector>

#include "payload/payload_protocol.h"

struct VesselDescription {
    std::string name;
    int16_t version = 3;
    bool carrier = false;
    bool noInterface = false;
    bool dead = false;
    // Fixed answers that replace the carrier's own handling of a message.
    std::optional<int32_t> attachAnswer;
    std::optional<int32_t> detachAnswer;
    std::optional<int32_t> paramsAnswer;
};

struct AttachmentDescription {
    std::string payload;
    std::string carrier;
    PayloadParams params;
};

struct SceneDescription {
    std::vector<VesselDescription> vessels;
    std::vector<AttachmentDescription> attachments;
};

#endif
