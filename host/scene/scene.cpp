#include "host/scene/scene.h"

#include "host/scene/scene_vessel.h"

Scene::Scene(MessageTrace* trace) : trace_(trace) {}

Scene::~Scene() { Clear(); }

void Scene::Clear() {
    vessels_.clear();
    Reindex();
}

void Scene::Load(const SceneDescription& description) {
    Clear();
    auto exists = [this](const std::string& name) { return Exists(name); };
    for (const VesselDescription& v : description.vessels) {
        vessels_.push_back(std::make_unique<SceneVessel>(v, trace_, &changes_, exists));
    }
    Reindex();
    for (const AttachmentDescription& a : description.attachments) {
        SceneVessel* carrier = Named(a.carrier);
        if (carrier != nullptr && carrier->Carrier() != nullptr) {
            carrier->Carrier()->Hold(a.payload, a.params);
        }
    }
}

void Scene::Reindex() {
    firstByName_.clear();
    handles_.clear();
    std::vector<HandleEntry> entries;
    for (size_t i = 0; i < vessels_.size(); ++i) {
        SceneVessel* v = vessels_[i].get();
        handles_.push_back(v->Handle());
        entries.push_back(HandleEntry{v->Handle(), v, v->IsAlive(), v->HasInterface()});
        firstByName_.emplace(v->Name(), i);
    }
    byHandle_.Rebuild(entries);
}

VesselHandle Scene::HandleAt(size_t index) const {
    return index < handles_.size() ? handles_[index] : nullptr;
}

SceneVessel* Scene::At(size_t index) const {
    return index < vessels_.size() ? vessels_[index].get() : nullptr;
}

SceneVessel* Scene::Named(const std::string& name) const {
    auto it = firstByName_.find(name);
    return it == firstByName_.end() ? nullptr : vessels_[it->second].get();
}

VesselHandle Scene::FindByName(const std::string& name) const {
    SceneVessel* v = Named(name);
    return v != nullptr ? v->Handle() : nullptr;
}

SceneVessel* Scene::Find(VesselHandle handle) const {
    const HandleEntry* e = byHandle_.Find(handle);
    return e != nullptr ? e->vessel : nullptr;
}

bool Scene::IsLive(VesselHandle handle) const {
    const HandleEntry* e = byHandle_.Find(handle);
    return e != nullptr && e->alive;
}

VESSEL* Scene::InterfaceOf(VesselHandle handle) const {
    const HandleEntry* e = byHandle_.Find(handle);
    return e != nullptr && e->hasInterface ? e->vessel : nullptr;
}

bool Scene::Kill(const std::string& name) {
    SceneVessel* v = Named(name);
    if (v == nullptr) return false;
    v->Kill();
    Reindex();
    changes_.ReportKilled(name);
    return true;
}

bool Scene::Remove(const std::string& name) {
    auto it = firstByName_.find(name);
    if (it == firstByName_.end()) return false;
    const std::string gone = name;  // `name` may be the vessel's own, gone next
    vessels_.erase(vessels_.begin() + static_cast<std::ptrdiff_t>(it->second));
    Reindex();
    changes_.ReportRemoved(gone);
    return true;
}
