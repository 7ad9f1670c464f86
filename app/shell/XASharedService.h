#pragma once

// A process-wide service behind an interface that tests replace with a fake; setting none restores the default.

#include <memory>

template <typename Service, typename Default> class XASharedService {
public:
    static Service &get() { return *instance(); }
    static void set(std::shared_ptr<Service> service) {
        instance() = service ? std::move(service) : std::make_shared<Default>();
    }

private:
    static std::shared_ptr<Service> &instance() {
        static std::shared_ptr<Service> service = std::make_shared<Default>();
        return service;
    }
};
