#pragma once
// What the host and an add-in component say to each other. The component exports one C entry
// point, DllGetClassObject, that hands over its class factory; the factory gives the add-in
// manager the registration texts and makes the connection object, which receives the host's
// connection events.

#include "host/vbide/VBE.h"

#include <memory>
#include <string>

namespace vbide {

// How the add-in came to be connected.
enum ConnectMode : int {
    ext_cm_AfterStartup = 0, // from the add-in manager, after the host started
    ext_cm_Startup = 1,      // by the host as it starts (load at startup)
    ext_cm_External = 2,     // asked from outside (the host's --addin-window)
    ext_cm_CommandLine = 3,  // reserved for a batch command line
};

// Why it is disconnected.
enum DisconnectMode : int {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,
};

// What the add-in manager shows of a component before it is connected.
struct AddInRegistration {
    std::string progId;               // "Lintrap.Connect"
    std::string registryRoot;         // where the original host kept its add-ins
    std::string displayName;          // UTF-8
    std::string description;          // UTF-8, line breaks as CR LF
    std::string componentDescription; // UTF-8
};

// The connection class: the host calls these on its user-interface thread.
class AddinInstance {
public:
    virtual ~AddinInstance() = default;
    virtual void OnConnection(VBE& application, ConnectMode mode, void* custom) = 0;
    virtual void OnDisconnection(DisconnectMode mode, void* custom) = 0;
};

class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    virtual AddInRegistration Registration() const = 0;
    virtual std::unique_ptr<AddinInstance> CreateInstance() = 0;
    // True when no object of the component is alive any more.
    virtual bool CanUnloadNow() const = 0;
};

} // namespace vbide

// The component's one exported symbol, looked up by this name.
extern "C" {
using DllGetClassObjectFn = vbide::ClassFactory* (*)();
}
inline constexpr const char* kDllGetClassObject = "DllGetClassObject";
