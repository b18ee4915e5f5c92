#pragma once

#include "Mailstore.h"

namespace standin {

// Demo accounts and mail: "ann"/"ann" on Yahoo Mail and "bob"/"bob" on Hotmail in English, and
// one account per other language on each site, each with a mixed mailbox. Does nothing when
// the database already holds accounts, so a demo keeps its mail between runs.
void seedDemo(Mailstore& store);

// N generated messages more in each English inbox (ann and bob), for benchmarks.
void seedInbox(Mailstore& store, int count);

} // namespace standin
