#include "core/XALogindInhibitor.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <systemd/sd-bus.h>

namespace {

struct BusUnref {
    void operator()(sd_bus *bus) const { sd_bus_flush_close_unref(bus); }
};
struct MessageUnref {
    void operator()(sd_bus_message *message) const { sd_bus_message_unref(message); }
};

} // namespace

int XATakeLogindInhibitor(const XAInhibitorRequest &request) {
    sd_bus *rawBus = nullptr;
    // A connection of its own: sd-bus connections belong to one thread, and checks may start on any.
    int code = sd_bus_open_system(&rawBus);
    std::unique_ptr<sd_bus, BusUnref> bus(rawBus);
    if (code < 0) {
        return code;
    }
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message *rawReply = nullptr;
    code = sd_bus_call_method(bus.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                              "org.freedesktop.login1.Manager", "Inhibit", &error, &rawReply, "ssss",
                              request.what.c_str(), request.who.c_str(), request.why.c_str(), request.mode.c_str());
    std::unique_ptr<sd_bus_message, MessageUnref> reply(rawReply);
    sd_bus_error_free(&error);
    if (code < 0) {
        return code;
    }
    int descriptor = -1;
    code = sd_bus_message_read(reply.get(), "h", &descriptor);
    if (code < 0) {
        return code;
    }
    // The reply owns the descriptor it carries; the lock lives as long as a copy of it stays open.
    const int lock = fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    return lock < 0 ? -errno : lock;
}

bool XAInhibitorIsUnavailable(int code) {
    switch (-code) {
    case ENOENT:       // no system bus socket
    case ECONNREFUSED: // nobody listens on it
    case EHOSTUNREACH: // org.freedesktop.DBus.Error.ServiceUnknown
    case ENXIO:        // org.freedesktop.DBus.Error.NameHasNoOwner
        return true;
    default:
        return false;
    }
}
