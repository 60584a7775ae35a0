#include "host/UserControlHost.h"

#include <charconv>
#include <map>

#include "host/Resources.h"

namespace host {
namespace {

std::map<std::string, UserControlFactory>& Kinds() {
    static std::map<std::string, UserControlFactory> kinds;
    return kinds;
}

PictureLoader& Loader() {
    static PictureLoader loader;
    return loader;
}

}  // namespace

void RegisterUserControlKind(const std::string& kind, UserControlFactory factory) {
    Kinds()[kind] = std::move(factory);
}

const UserControlFactory* FindUserControlKind(const std::string& kind) {
    const auto it = Kinds().find(kind);
    return it == Kinds().end() ? nullptr : &it->second;
}

void SetFormPictureLoader(PictureLoader loader) { Loader() = std::move(loader); }

// "ICON/102" names an embedded icon resource. A damaged icon loads as an
// empty picture: the form still opens, the control shows no image.
const PictureLoader& FormPictureLoader() {
    static const PictureLoader resources = [](const std::string& name) -> PicturePtr {
        const auto slash = name.find('/');
        int id = 0;
        const char* end = name.data() + name.size();
        if (slash == std::string::npos || std::from_chars(name.data() + slash + 1, end, id).ptr != end)
            return nullptr;
        const ResourceEntry* entry = FindResource(id, name.substr(0, slash));
        if (!entry) return nullptr;
        PicturePtr picture = Picture::FromIconFile(entry->bytes);
        return picture ? picture : Picture::Empty();
    };
    return Loader() ? Loader() : resources;
}

std::unique_ptr<Control> MakeUserControl(const std::string& kind, const ControlSite& site,
                                         const PropertyBag& settings) {
    const UserControlFactory* factory = FindUserControlKind(kind);
    if (!factory) return nullptr;
    return std::make_unique<UserControlHost>(kind, (*factory)(site, settings));
}

UserControlHost::UserControlHost(std::string kind, UserControlInstance instance)
    : Control(ControlKind::UserControl), kind_(std::move(kind)), instance_(std::move(instance)) {}

UserControlHost::~UserControlHost() {
    if (instance_.userControl) instance_.userControl->Terminate();
}

}  // namespace host
