// A small signal: owners connect handlers, the object raises the event.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace host {

template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;
    using Connection = int;

    Connection Connect(Handler handler) {
        handlers_.push_back({++lastId_, std::move(handler)});
        return lastId_;
    }

    void Disconnect(Connection id) {
        std::erase_if(handlers_, [id](const Entry& e) { return e.id == id; });
    }

    bool Connected() const { return !handlers_.empty(); }

    // Handlers run on a copy of the list, so one may connect or disconnect
    // handlers (or destroy what they belong to) while the event is raised.
    void Raise(Args... args) const {
        const auto handlers = handlers_;
        for (const auto& entry : handlers) entry.handler(args...);
    }

private:
    struct Entry {
        int id;
        Handler handler;
    };
    std::vector<Entry> handlers_;
    int lastId_ = 0;
};

}  // namespace host
