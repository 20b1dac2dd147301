// The scene the host runs when it is given none.
#ifndef KESTRIX_HOST_SCENE_DEMO_SCENE_H
#define KESTRIX_HOST_SCENE_DEMO_SCENE_H

// As a scene file states it: two carriers, free and attached payloads, and
// one vessel too old for payload messages.
const char* DemoSceneText();

#endif
