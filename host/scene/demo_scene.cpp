#include "host/scene/demo_scene.h"

const char* DemoSceneText() {
    return "# Two carriers, free and attached payloads, and one vessel too old for\n"
           "# payload messages (interface version 1).\n"
           "vessel Tug carrier\n"
           "vessel Probe\n"
           "vessel Barge carrier\n"
           "vessel Rock\n"
           "vessel Satellite\n"
           "vessel Relic version=1\n"
           "attached Satellite Barge pos=0,2.5,-1 srot=0,0,0.5 jrot=0.1,0,0 vel=0.5 forces=on\n";
}
