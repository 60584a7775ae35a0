// A small signal: owners connect handlers, the object raises the event.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace host {

template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;
    using Connection = int;

    Connection Connect(Handler handler) {
        auto next = Copy();
        next->push_back({++lastId_, std::move(handler)});
        entries_ = std::move(next);
        return lastId_;
    }

    void Disconnect(Connection id) {
        if (!entries_) return;
        auto next = Copy();
        std::erase_if(*next, [id](const Entry& e) { return e.id == id; });
        entries_ = std::move(next);
    }

    bool Connected() const { return entries_ && !entries_->empty(); }

    // Handlers run on the list as it was when the raise began, so one may
    // connect or disconnect handlers (or destroy what they belong to, the
    // event included) while the event is raised. Changes build a new list
    // instead, so a raise (once per read of a child's output) copies nothing.
    void Raise(Args... args) const {
        const std::shared_ptr<const List> entries = entries_;
        if (!entries) return;
        for (const auto& entry : *entries) entry.handler(args...);
    }

private:
    struct Entry {
        int id;
        Handler handler;
    };
    using List = std::vector<Entry>;

    std::shared_ptr<List> Copy() const {
        return entries_ ? std::make_shared<List>(*entries_) : std::make_shared<List>();
    }

    std::shared_ptr<const List> entries_;
    int lastId_ = 0;
};

}  // namespace host
