#include "host/scene_view/picture_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/scene_view/bmp_image.h"
#include "host/scene_view/scene_picture.h"
#include "host/scene_view/scene_view_model.h"
#include "host/text/quoting.h"

bool WriteScenePicture(const Scene& scene, const std::string& path, std::string* error) {
    const std::vector<ViewCarrier> carriers = CollectSceneView(scene);
    ScenePicture picture(kPictureWidth, ScenePictureHeight(carriers.size()));
    if (!picture.Ready()) {
        *error = "cannot make a bitmap for the picture";
        return false;
    }
    picture.Paint(carriers);
    const std::vector<uint8_t> bytes =
        EncodeBmp(picture.Width(), picture.Height(), picture.Pixels());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        *error = "cannot write picture " + InQuotes(path) + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        *error = "cannot write picture " + InQuotes(path) + ": the disk refused it";
        return false;
    }
    return true;
}
