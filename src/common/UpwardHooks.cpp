#include "common/UpwardHooks.h"

TUpwardHooks& UpwardHooks() {
  static TUpwardHooks hooks;
  return hooks;
}
