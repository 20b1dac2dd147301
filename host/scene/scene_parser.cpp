#include "host/scene/scene_parser.h"

#include <vector>

#include "host/text/numbers.h"
#include "host/text/quoting.h"
#include "host/text/text_lines.h"

namespace {

bool SplitOption(const std::string& token, std::string* key, std::string* value) {
    const size_t eq = token.find('=');
    if (eq == std::string::npos) return false;
    *key = token.substr(0, eq);
    *value = token.substr(eq + 1);
    return true;
}

bool ParseVector(const std::string& text, PayloadVector* v) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return parts.size() == 3 && ParseDouble(parts[0], &v->x) && ParseDouble(parts[1], &v->y) &&
           ParseDouble(parts[2], &v->z);
}

bool CheckName(const Token& token, std::string* error) {
    if (token.text.empty()) {
        *error = "a name cannot be empty";
        return false;
    }
    if (token.text.size() > 255) {
        *error = "a name holds at most 255 characters";
        return false;
    }
    return true;
}

bool ParseVessel(const std::vector<Token>& t, SceneDescription* scene, std::string* error) {
    if (t.size() < 2) {
        *error = "vessel needs a name";
        return false;
    }
    if (!CheckName(t[1], error)) return false;
    VesselDescription v;
    v.name = t[1].text;
    for (size_t i = 2; i < t.size(); ++i) {
        const std::string& word = t[i].text;
        std::string key, value;
        int32_t n = 0;
        if (word == "carrier") {
            v.carrier = true;
        } else if (word == "nointerface") {
            v.noInterface = true;
        } else if (word == "dead") {
            v.dead = true;
        } else if (!SplitOption(word, &key, &value)) {
            *error = "unknown vessel option " + InQuotes(word);
            return false;
        } else if (key == "version") {
            if (!ParseInt32(value, &n) || n < -32768 || n > 32767) {
                *error = "version must be a whole number from -32768 to 32767";
                return false;
            }
            v.version = static_cast<int16_t>(n);
        } else if (key == "attach-answer" || key == "detach-answer" || key == "params-answer") {
            if (!ParseInt32(value, &n)) {
                *error = key + " must be a 32-bit whole number";
                return false;
            }
            (key == "attach-answer" ? v.attachAnswer
                                    : key == "detach-answer" ? v.detachAnswer : v.paramsAnswer) = n;
        } else {
            *error = "unknown vessel option " + InQuotes(word);
            return false;
        }
    }
    if (!v.carrier && (v.attachAnswer || v.detachAnswer || v.paramsAnswer)) {
        *error = "answer options are for carriers only";
        return false;
    }
    scene->vessels.push_back(v);
    return true;
}

const VesselDescription* FindDeclared(const SceneDescription& scene, const std::string& name) {
    for (const VesselDescription& v : scene.vessels) {
        if (v.name == name) return &v;
    }
    return nullptr;
}

bool ParseAttachmentOption(const std::string& word, PayloadParams* p, std::string* error) {
    std::string key, value;
    if (!SplitOption(word, &key, &value)) {
        *error = "unknown attachment option " + InQuotes(word);
        return false;
    }
    if (key == "pos" || key == "srot" || key == "jrot") {
        PayloadVector& v = key == "pos" ? p->position
                         : key == "srot" ? p->shipRotation : p->jettisonRotation;
        if (!ParseVector(value, &v)) {
            *error = key + " needs three numbers X,Y,Z";
            return false;
        }
    } else if (key == "vel") {
        if (!ParseDouble(value, &p->jettisonVelocity)) {
            *error = "vel needs a number";
            return false;
        }
    } else if (key == "forces") {
        if (value != "on" && value != "off") {
            *error = "forces must be on or off";
            return false;
        }
        p->addForces = value == "on";
    } else {
        *error = "unknown attachment option " + InQuotes(word);
        return false;
    }
    return true;
}

bool ParseAttached(const std::vector<Token>& t, SceneDescription* scene, std::string* error) {
    if (t.size() < 3) {
        *error = "attached needs a payload and a carrier";
        return false;
    }
    if (!CheckName(t[1], error) || !CheckName(t[2], error)) return false;
    AttachmentDescription a;
    a.payload = t[1].text;
    a.carrier = t[2].text;
    const VesselDescription* carrier = FindDeclared(*scene, a.carrier);
    if (FindDeclared(*scene, a.payload) == nullptr) {
        *error = "no vessel " + InQuotes(a.payload) + " declared before";
        return false;
    }
    if (carrier == nullptr) {
        *error = "no vessel " + InQuotes(a.carrier) + " declared before";
        return false;
    }
    if (!carrier->carrier) {
        *error = InQuotes(a.carrier) + " is not a carrier";
        return false;
    }
    if (a.payload == a.carrier) {
        *error = "a carrier cannot hold itself";
        return false;
    }
    for (const AttachmentDescription& other : scene->attachments) {
        if (other.payload == a.payload && other.carrier == a.carrier) {
            *error = InQuotes(a.carrier) + " holds " + InQuotes(a.payload) + " already";
            return false;
        }
    }
    for (size_t i = 3; i < t.size(); ++i) {
        if (!ParseAttachmentOption(t[i].text, &a.params, error)) return false;
    }
    scene->attachments.push_back(a);
    return true;
}

bool ParseStatement(const std::string& line, SceneDescription* scene, std::string* reason) {
    std::vector<Token> tokens;
    if (!SplitLine(line, &tokens, reason)) return false;
    if (tokens.empty()) return true;
    const std::string& statement = tokens[0].text;
    if (statement == "vessel" && !tokens[0].quoted) return ParseVessel(tokens, scene, reason);
    if (statement == "attached" && !tokens[0].quoted) return ParseAttached(tokens, scene, reason);
    *reason = "unknown statement " + InQuotes(statement);
    return false;
}

}  // namespace

bool ParseScene(const std::string& text, SceneDescription* scene, std::string* error) {
    *scene = SceneDescription();
    return ReadEachLine(
        text,
        [scene](int, const std::string& line, std::string* reason) {
            return ParseStatement(line, scene, reason);
        },
        error);
}
