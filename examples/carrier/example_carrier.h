// A small, complete carrier: it holds payloads by name and answers the seven
// payload messages as docs/payload-protocol.md asks. A vessel's generic-message
// callback hands every message to Receive; carrier_exports.cpp makes it a DLL
// that carrier_check.exe can check on its own.
#ifndef EXAMPLE_CARRIER_H
#define EXAMPLE_CARRIER_H

#include <stdint.h>

#include <map>
#include <set>
#include <string>

#include "payload_protocol.h"

class ExampleCarrier {
public:
    // `vesselNames` are the simulation's vessels, its own included: it attaches
    // only those. With none given, it takes any name but its own.
    ExampleCarrier(const char* ownName, const char* const* vesselNames, int vesselCount);
    ~ExampleCarrier();  // ends every attachment still held, releasing its record
    ExampleCarrier(const ExampleCarrier&) = delete;
    ExampleCarrier& operator=(const ExampleCarrier&) = delete;

    // One payload message: the answer the payload editor reads.
    int32_t Receive(uint32_t messageId, uint32_t parameter, void* context);

private:
    struct Payload {
        PayloadRecord* attachRecord;  // the PLMSG_ATTACH record, ours until the payload goes
        PayloadRecord params;         // its parameters now; PLMSG_GET_PARAMS points here
    };

    int32_t Attach(PayloadRecord* record);
    int32_t Detach(uint32_t addVelocity, const char* name);
    int32_t SetParams(const PayloadRecord* record);
    int32_t GetParams(PayloadQuery* query);
    int32_t SetForces(uint32_t on, const char* name);
    Payload* Find(const char* name);

    std::string own_;
    std::set<std::string> vessels_;
    std::map<std::string, Payload> held_;  // a map: a held record keeps its address
};

#endif
