#pragma once
// ClosePref for a key that OpenPref opened, when the scope ends however it
// ends: an error in the middle of a section must not leave the key open.
#include "prefstore/ConfigCommon.h"

class ClosePrefOnExit {
 public:
  explicit ClosePrefOnExit(TConfigBase& store) : store_(store) {}
  ~ClosePrefOnExit() {
    try {
      store_.ClosePref();  // reports its own failures
    } catch (...) {
      // Nothing may leave a destructor; the store has told the user already.
    }
  }
  ClosePrefOnExit(const ClosePrefOnExit&) = delete;
  ClosePrefOnExit& operator=(const ClosePrefOnExit&) = delete;

 private:
  TConfigBase& store_;
};
