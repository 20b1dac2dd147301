// The scene file: one statement a line.
//
//   vessel NAME [version=N] [carrier] [nointerface] [dead]
//               [attach-answer=N] [detach-answer=N] [params-answer=N]
//   attached PAYLOAD CARRIER [pos=X,Y,Z] [srot=X,Y,Z] [jrot=X,Y,Z] [vel=V]
//               [forces=on|off]
//
// Words as scripts read them too (SplitLine): a NAME is a word or "quoted
// text"; '#' starts a comment.
#ifndef KESTRIX_HOST_SCENE_SCENE_PARSER_H
#define KESTRIX_HOST_SCENE_SCENE_PARSER_H

#include <string>

#include "host/scene/scene_description.h"

// False, with `error` set to "line N: reason", for the first bad line.
bool ParseScene(const std::string& text, SceneDescription* scene, std::string* error);

#endif
