// The host services table every loaded module calls through.
//
// Services are plain function pointers without a context argument, so they
// reach the host they act for through one process-wide pointer: the host sets
// it (ActiveHostScope) around every call it makes into a module. The host is
// single-threaded by design; so is this pointer.
#pragma once

#include "services.h"

namespace host {

class Host;

// The table: the ten services at their slots; every other slot holds its own
// stub that records "module called unknown host service slot N".
gauge::HostServices* services_table();

// The host the services act for, or nullptr outside a call into a module.
Host* active_host();

class ActiveHostScope {
  public:
    explicit ActiveHostScope(Host& host);
    ~ActiveHostScope();
    ActiveHostScope(const ActiveHostScope&) = delete;
    ActiveHostScope& operator=(const ActiveHostScope&) = delete;

  private:
    Host* previous_;
};

}  // namespace host
