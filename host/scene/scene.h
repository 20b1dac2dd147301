// The stand-in host's scene: the vessels, in index order, and their handles.
// Each vessel is given what it needs when the scene is loaded: its
// description, the trace, the scene's changes to report to, and, for a
// carrier, the one question it asks of the scene, whether a vessel of a name
// exists (the carrier refuses to attach any other name). That question reads
// the scene's name index and nothing else; no vessel holds the scene.
#ifndef KESTRIX_HOST_SCENE_SCENE_H
#define KESTRIX_HOST_SCENE_SCENE_H

#include <stdint.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/scene/handle_index.h"
#include "host/scene/scene_changes.h"
#include "host/scene/scene_description.h"
#include "kapi_classes.h"

class MessageTrace;
class SceneVessel;

class Scene {
public:
    // The vessels record every message they receive in `trace`, when given.
    explicit Scene(MessageTrace* trace = nullptr);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Replaces every vessel by those described; attachments start held.
    void Load(const SceneDescription& description);
    void Clear();

    size_t Count() const { return vessels_.size(); }
    VesselHandle HandleAt(size_t index) const;
    // The first vessel of that name, dead or alive; null when none.
    VesselHandle FindByName(const std::string& name) const;
    // Null for a handle that is no vessel of this scene.
    SceneVessel* Find(VesselHandle handle) const;
    // The interface behind a handle, as kapiGetVesselInterface answers:
    // null for no vessel or a vessel without one. Touches no vessel.
    VESSEL* InterfaceOf(VesselHandle handle) const;
    // True for a live vessel of this scene, as kapiIsVessel answers.
    bool IsLive(VesselHandle handle) const;
    SceneVessel* At(size_t index) const;
    SceneVessel* Named(const std::string& name) const;

    // The first vessel of that name stays in the simulation, its handle,
    // index and interface kept, but is no longer live. False when none.
    bool Kill(const std::string& name);
    // Takes the first vessel of that name out of the simulation: its handle,
    // index, name and interface are gone. False when none.
    bool Remove(const std::string& name);

    // Where the vessels and the scene report what changes; listeners join here.
    SceneChanges& Changes() { return changes_; }

private:
    void Reindex();
    bool Exists(const std::string& name) const { return firstByName_.count(name) != 0; }

    MessageTrace* trace_;
    // Before the vessels, which report to it as long as they live.
    SceneChanges changes_;
    std::vector<std::unique_ptr<SceneVessel>> vessels_;
    // The handles in index order: walking the scene by index touches no vessel.
    std::vector<VesselHandle> handles_;
    HandleIndex byHandle_;
    std::unordered_map<std::string, size_t> firstByName_;
};

#endif
