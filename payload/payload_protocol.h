// The payload messages between the payload editor and carrier vessels, and
// the two records they carry. This header is all a carrier needs: it has no
// dependency on the rest of the plug-in.
//
// Record ownership, for carrier authors:
// - PLMSG_ATTACH: the dialog allocates the record with AllocPayloadRecord
//   (the process heap, GetProcessHeap) and hands it over with the message,
//   whatever the answer. The carrier releases it exactly once, with
//   FreePayloadRecord or HeapFree(GetProcessHeap(), 0, record): at once when
//   it refuses, or when the attachment ends. After an answer of 1 the dialog
//   reads the record's name once more, right after the call.
// - PLMSG_SET_PARAMS: the record is lent for the call only; the dialog frees
//   it when the call returns. Copy what you need, keep no pointer.
// - PLMSG_GET_PARAMS: the carrier points query->record at a record of its
//   own, which must stay valid after the call; the dialog only reads it, at
//   once, and never frees it.
// - Name texts (PLMSG_IS_ATTACHED, PLMSG_DETACH, PLMSG_SET_FORCES, and the
//   query's name): the dialog's buffer, valid during the call; never written.
//
// docs/payload-protocol.md gives the whole contract with a carrier.
#ifndef BRASK_PAYLOAD_PAYLOAD_PROTOCOL_H
#define BRASK_PAYLOAD_PAYLOAD_PROTOCOL_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>
#include <new>

// Message ids, the message argument of the generic-message callback.
enum : uint32_t {
    PLMSG_IS_CARRIER = 0xA45F0200u,   // prm 0, ctx null; non-zero: a carrier
    PLMSG_IS_ATTACHED = 0xA45F0202u,  // prm 0, ctx name; non-zero: holds it
    PLMSG_ATTACH = 0xA45F0203u,       // prm 0, ctx PayloadRecord (passes over); 1: attached
    PLMSG_DETACH = 0xA45F0204u,       // prm 1 with jettison velocity, ctx name; 1: released
    PLMSG_SET_PARAMS = 0xA45F0205u,   // prm 0, ctx PayloadRecord (lent); answer ignored
    PLMSG_GET_PARAMS = 0xA45F0206u,   // prm 0, ctx PayloadQuery; non-zero: record set
    PLMSG_SET_FORCES = 0xA45F0207u,   // prm 1 on / 0 off, ctx name; answer ignored
};

// Longest name a record or a dialog buffer holds, without its terminating zero.
constexpr size_t kPayloadNameMax = 255;

struct PayloadVector {
    double x;
    double y;
    double z;
};

// The ten values of one attachment as a record carries them, angles in
// radians: what the editor sends and shows, and what a carrier holds.
struct PayloadValues {
    PayloadVector position{0.0, 0.0, 0.0};
    PayloadVector shipRotation{0.0, 0.0, 0.0};      // radians
    PayloadVector jettisonRotation{0.0, 0.0, 0.0};  // radians
    double jettisonVelocity = 0.0;
};

// An attachment as a carrier holds it: its values and its added forces.
struct PayloadParams : PayloadValues {
    bool addForces = false;
};

// Crosses to carriers as it lies in memory: 368 bytes, angles in radians.
// Padding bytes carry no meaning and are left unwritten.
struct alignas(8) PayloadRecord {
    char name[kPayloadNameMax + 1];
    int32_t extraA;
    PayloadVector position;
    PayloadVector shipRotation;
    PayloadVector jettisonRotation;
    int32_t extraB;
    int32_t extraC;
    uint8_t marker;  // 1 in a record from the full constructor, 0 in a cleared one
    double jettisonVelocity;
    int32_t addForces;  // non-zero while the payload's added forces are on

    // The cleared record: every field but `name` is zero; `name` is left as
    // it was, for the caller to fill next.
    PayloadRecord();

    // The full constructor. Copies at most 255 characters of `payloadName`.
    PayloadRecord(const char* payloadName, int32_t extraA, const PayloadVector& position,
                  const PayloadVector& shipRotation, const PayloadVector& jettisonRotation,
                  int32_t extraB, int32_t extraC, double jettisonVelocity);
    // The full constructor with the three extra fields zero.
    PayloadRecord(const char* payloadName, const PayloadValues& values)
        : PayloadRecord(payloadName, 0, values.position, values.shipRotation,
                        values.jettisonRotation, 0, 0, values.jettisonVelocity) {}

    PayloadValues Values() const {
        return PayloadValues{position, shipRotation, jettisonRotation, jettisonVelocity};
    }
    void SetValues(const PayloadValues& values) {
        position = values.position;
        shipRotation = values.shipRotation;
        jettisonRotation = values.jettisonRotation;
        jettisonVelocity = values.jettisonVelocity;
    }
};

static_assert(sizeof(PayloadRecord) == 368, "PayloadRecord is 368 bytes");
static_assert(alignof(PayloadRecord) == 8, "PayloadRecord is aligned to 8");
static_assert(offsetof(PayloadRecord, name) == 0, "name");
static_assert(offsetof(PayloadRecord, extraA) == 256, "extraA");
static_assert(offsetof(PayloadRecord, position) == 264, "position");
static_assert(offsetof(PayloadRecord, shipRotation) == 288, "shipRotation");
static_assert(offsetof(PayloadRecord, jettisonRotation) == 312, "jettisonRotation");
static_assert(offsetof(PayloadRecord, extraB) == 336, "extraB");
static_assert(offsetof(PayloadRecord, extraC) == 340, "extraC");
static_assert(offsetof(PayloadRecord, marker) == 344, "marker");
static_assert(offsetof(PayloadRecord, jettisonVelocity) == 352, "jettisonVelocity");
static_assert(offsetof(PayloadRecord, addForces) == 360, "addForces");

// Context of PLMSG_GET_PARAMS: the name goes in, the carrier's record comes out.
struct PayloadQuery {
    const char* name;
    PayloadRecord* record;
};

static_assert(sizeof(PayloadQuery) == 2 * sizeof(void*), "PayloadQuery is two pointers");

inline PayloadRecord::PayloadRecord()
    : extraA(0),
      position{0.0, 0.0, 0.0},
      shipRotation{0.0, 0.0, 0.0},
      jettisonRotation{0.0, 0.0, 0.0},
      extraB(0),
      extraC(0),
      marker(0),
      jettisonVelocity(0.0),
      addForces(0) {}

inline PayloadRecord::PayloadRecord(const char* payloadName, int32_t extraA_,
                                    const PayloadVector& position_,
                                    const PayloadVector& shipRotation_,
                                    const PayloadVector& jettisonRotation_, int32_t extraB_,
                                    int32_t extraC_, double jettisonVelocity_)
    : extraA(extraA_),
      position(position_),
      shipRotation(shipRotation_),
      jettisonRotation(jettisonRotation_),
      extraB(extraB_),
      extraC(extraC_),
      marker(1),
      jettisonVelocity(jettisonVelocity_),
      addForces(0) {
    size_t n = 0;
    if (payloadName != nullptr) {
        for (; n < kPayloadNameMax && payloadName[n] != '\0'; ++n) name[n] = payloadName[n];
    }
    name[n] = '\0';
}

// The allocator every module shares for payload records: the process heap,
// so that a record allocated by the plug-in can be released by a carrier in
// any other module, whatever C runtime each was built with. Returns a cleared
// record, or null when the heap is exhausted.
inline PayloadRecord* AllocPayloadRecord() {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(PayloadRecord));
    return memory != nullptr ? new (memory) PayloadRecord() : nullptr;
}

inline void FreePayloadRecord(PayloadRecord* record) {
    if (record != nullptr) HeapFree(GetProcessHeap(), 0, record);
}

#endif
