#include "LinuxSystemAccess.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <system_error>

std::string LinuxSystemAccess::findSystemInfoTool()
{
    for (const std::string_view tool : SystemInfoTools) {
        const QString found = QStandardPaths::findExecutable(
            QString::fromUtf8(tool.data(), static_cast<qsizetype>(tool.size())));
        if (!found.isEmpty()) {
            return found.toStdString();
        }
    }
    return {};
}

void LinuxSystemAccess::refresh()
{
    const std::string key(SystemInfoKey);
    const std::string value(SystemInfoValue);
    m_registry.createKey(HKEY_LOCAL_MACHINE_ROOT, key);
    const std::string tool = findSystemInfoTool();
    if (tool.empty()) {
        m_registry.removeValue(HKEY_LOCAL_MACHINE_ROOT, key, value);
    } else {
        m_registry.setText(HKEY_LOCAL_MACHINE_ROOT, key, value, tool, true);
    }
}

long LinuxSystemAccess::openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                                std::uint32_t access, Key& key)
{
    refresh();
    return m_registry.openKey(root, path, options, access, key);
}

long LinuxSystemAccess::queryValue(Key key, const std::string& name, std::uint32_t& type,
                                   unsigned char* data, std::uint32_t& size)
{
    return m_registry.queryValue(key, name, type, data, size);
}

void LinuxSystemAccess::closeKey(Key key)
{
    m_registry.closeKey(key);
}

std::string LinuxSystemAccess::findFile(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    const std::filesystem::path file(native);
    std::error_code error;
    if (native.empty() || file.filename().string().starts_with('.') ||
        !std::filesystem::is_regular_file(file, error)) {
        return {};
    }
    return native;
}

void LinuxSystemAccess::launch(const std::string& path)
{
    if (path.empty() || !QProcess::startDetached(QString::fromStdString(path), {})) {
        throw LaunchError("Cannot start " + path);
    }
}

SystemAccess& SystemAccess::platform()
{
    static LinuxSystemAccess access;
    return access;
}
