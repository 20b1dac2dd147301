#include "bench/bench_scene.h"

#include <cstdio>

namespace {

std::string CarrierName(size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "Carrier %04u", static_cast<unsigned>(number));
    return name;
}

std::string VesselName(size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "Vessel %05u", static_cast<unsigned>(number));
    return name;
}

}  // namespace

std::string BenchSceneText(size_t vessels) {
    std::string text;
    std::string attachments;
    const size_t carriers = vessels >= 10 ? vessels / 10 : 1;
    size_t others = 0;
    for (size_t i = 0; i < vessels; ++i) {
        if (i % 10 == 0 && i / 10 < carriers) {
            text += "vessel \"" + CarrierName(i / 10) + "\" carrier\n";
            continue;
        }
        const std::string name = VesselName(i);
        text += "vessel \"" + name + "\"\n";
        if (others % 2 == 0) {
            // Carrier 0 holds the first attached payload, and so on round.
            const size_t holder = (others / 2) % carriers;
            char params[96];
            std::snprintf(params, sizeof params,
                          " pos=%u.25,-2.5,3 srot=0.1,0.2,0.3 jrot=0.5,0,-0.5 vel=1.5",
                          static_cast<unsigned>(i));
            attachments +=
                "attached \"" + name + "\" \"" + CarrierName(holder) + "\"" + params + "\n";
        }
        ++others;
    }
    return text + attachments;
}

const char* BenchSelectedCarrier() { return "Carrier 0000"; }

std::string BenchPayloadOfSelectedCarrier() {
    // Vessel 1 is the first of the others, attached to carrier 0.
    return VesselName(1) + " Attached;" + BenchSelectedCarrier();
}
