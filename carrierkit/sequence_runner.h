// Sends one message sequence to a fresh carrier under the record watch, and
// judges every answer with the promise model: the step from a list of
// messages to what a carrier did with them.
#ifndef BRASK_CARRIERKIT_SEQUENCE_RUNNER_H
#define BRASK_CARRIERKIT_SEQUENCE_RUNNER_H

#include <stddef.h>
#include <stdint.h>

#include "carrierkit/conformance_types.h"
#include "carrierkit/promise_model.h"
#include "carrierkit/record_ledger.h"
#include "carrierkit/sequence_shrink.h"

class SequenceRunner {
public:
    // The world is the cast's vessels, with its own name as the carrier's.
    // `ledger` is watching, and outlives the runner.
    SequenceRunner(const CarrierFactory& make, const promise::Cast& cast, RecordLedger* ledger);

    // Makes a carrier, sends `sequence` until a message breaks a promise,
    // destroys the carrier. A factory that makes nothing fails at once, with
    // the breach "setup/no-carrier".
    promise::Outcome Run(const promise::Sequence& sequence);

    uint64_t Runs() const { return runs_; }
    const CarrierWorld& World() const { return world_; }

private:
    CarrierFactory make_;
    const promise::Cast& cast_;
    CarrierWorld world_;
    RecordLedger* ledger_;
    uint64_t runs_ = 0;
};

// The world of a cast: its vessels, with its own name as the carrier's.
CarrierWorld WorldOf(const promise::Cast& cast);

// The messages of the sequence being run, up to the one being sent, for a
// crash report ("1. PLMSG_ATTACH "Probe" with set A; 2. ..."), written into
// `buffer` without allocating; empty when no sequence runs.
void DescribeRunningSequence(char* buffer, size_t size);

#endif
