// What the record and the entry name, read as they are now and put in one spelling, so that the
// removal decides (and decides again just before each deletion) whether they are its own.
#pragma once
#include "removal_plan.h"

// The uninstaller's own path in one spelling (its long form, a substitute drive resolved); the
// module's path as it is when the system gives no other.
void OwnPathInOneSpelling(const char *modulePath, char *dst, size_t capacity);

// Reads the record and the entry into the facts (record, recordValue, entry, entryCommand and
// the two identities), against facts->ownPath, facts->recordPlace and facts->entryKey.
void ReadOwnership(RemovalFacts *facts);

// Asked again just before the record or the entry is deleted, against the plan's owner: a Setup
// run meanwhile may have given them to another installation. A plan without an owner deletes the
// entry as it is.
bool RecordStillOurs(const RemovalPlan &plan);
// EntryAbsent when it is gone or no longer ours (nothing to delete), EntryFound while it is ours,
// EntryUnreadable when that cannot be told (it stays, and the uninstaller with it).
EntryRead EntryStillOurs(const RemovalPlan &plan);
