#include "LinuxSystemAccess.h"

#include "FakeSystemAccess.h"
#include "GetKeyValue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

namespace {

constexpr std::uint32_t Root = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
const std::string MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Writes an executable shell script `name` into `folder` that runs `body`.
QString writeScript(const QString& folder, const QString& name, const QByteArray& body = "")
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class LinuxSystemAccessTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_savedPath = qgetenv("PATH");
        m_tools = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tools->isValid());
    }

    void cleanup()
    {
        qputenv("PATH", m_savedPath);
        m_tools.reset();
    }

    void toolOnPathIsTheMsinfoPathWithACountedTerminator()
    {
        const QString tool = writeScript(m_tools->path(), "kinfocenter");
        qputenv("PATH", QFile::encodeName(m_tools->path()) + ":" + m_savedPath);

        LinuxSystemAccess system;
        SystemAccess::Key key = 0;
        QCOMPARE(system.openKey(Root, MsinfoKey, 0, SystemAccess::KEY_READ_ACCESS, key), 0);
        unsigned char buffer[1024] = {};
        std::uint32_t type = 0;
        std::uint32_t size = sizeof(buffer);
        QCOMPARE(system.queryValue(key, "PATH", type, buffer, size), 0);
        system.closeKey(key);

        const std::string expected = tool.toStdString();
        QCOMPARE(type, SystemAccess::REG_SZ_TYPE);
        QCOMPARE(size, std::uint32_t(expected.size() + 1));
        QCOMPARE(std::string(reinterpret_cast<const char*>(buffer), size),
                 expected + std::string(1, '\0'));

        std::string text;
        QVERIFY(GetKeyValue(system, Root, MsinfoKey, "PATH", text));
        QCOMPARE(text, expected);
    }

    void earlierToolsArePreferred()
    {
        writeScript(m_tools->path(), "gnome-system-monitor");
        const QString hardinfo = writeScript(m_tools->path(), "hardinfo");
        qputenv("PATH", QFile::encodeName(m_tools->path()));
        QCOMPARE(LinuxSystemAccess::findSystemInfoTool(), hardinfo.toStdString());
    }

    void valueFollowsPathAtEveryOpening()
    {
        writeScript(m_tools->path(), "kinfocenter");
        LinuxSystemAccess system;
        std::string text;

        qputenv("PATH", "");
        QVERIFY(!GetKeyValue(system, Root, MsinfoKey, "PATH", text));
        // The key is there, only the value is missing.
        SystemAccess::Key key = 0;
        QCOMPARE(system.openKey(Root, MsinfoKey, 0, SystemAccess::KEY_READ_ACCESS, key), 0);
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        QCOMPARE(system.queryValue(key, "PATH", type, nullptr, size), 2);

        system.closeKey(key);

        // Found once it is on PATH, from the next opening of the key.
        qputenv("PATH", QFile::encodeName(m_tools->path()));
        QVERIFY(GetKeyValue(system, Root, MsinfoKey, "PATH", text));

        qputenv("PATH", "");
        QVERIFY(!GetKeyValue(system, Root, MsinfoKey, "PATH", text));
        QVERIFY(!GetKeyValue(system, Root, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                             text));
    }

    void findFileAnswersOrdinaryFilesOnly()
    {
        const QString file = writeScript(m_tools->path(), "MSINFO32.EXE");
        writeScript(m_tools->path(), ".hidden");
        QVERIFY(QDir(m_tools->path()).mkdir("folder"));
        LinuxSystemAccess system;
        const std::string folder = m_tools->path().toStdString();

        QCOMPARE(system.findFile(file.toStdString()), file.toStdString());
        QCOMPARE(system.findFile(folder + "\\MSINFO32.EXE"), file.toStdString());
        QCOMPARE(system.findFile(folder + "/msinfo32.exe"), std::string());
        QCOMPARE(system.findFile(folder + "/folder"), std::string());
        QCOMPARE(system.findFile(folder + "/.hidden"), std::string());
        QCOMPARE(system.findFile(folder + "/missing"), std::string());
        QCOMPARE(system.findFile(""), std::string());
    }

    void launchStartsTheProgramByItsPath()
    {
        QVERIFY(QDir(m_tools->path()).mkdir("with space"));
        const QString marker = m_tools->filePath("launched");
        const QString tool = writeScript(m_tools->filePath("with space"), "kinfocenter",
                                         "touch '" + QFile::encodeName(marker) + "'");

        LinuxSystemAccess system;
        system.launch(tool.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    }

    void launchOfAMissingProgramThrows()
    {
        LinuxSystemAccess system;
        const std::string missing = m_tools->filePath("no such tool").toStdString();
        QVERIFY_THROWS_EXCEPTION(LaunchError, system.launch(missing));
        QVERIFY_THROWS_EXCEPTION(LaunchError, system.launch(""));
    }

    void currentIsThePlatformsUnlessReplaced()
    {
        QVERIFY(dynamic_cast<LinuxSystemAccess*>(&SystemAccess::current()) != nullptr);
        FakeSystemAccess fake;
        SystemAccess::setCurrent(&fake);
        QCOMPARE(&SystemAccess::current(), static_cast<SystemAccess*>(&fake));
        SystemAccess::setCurrent(nullptr);
        QVERIFY(dynamic_cast<LinuxSystemAccess*>(&SystemAccess::current()) != nullptr);
    }

private:
    QByteArray m_savedPath;
    std::unique_ptr<QTemporaryDir> m_tools; // a fresh folder for each test
};

QTEST_GUILESS_MAIN(LinuxSystemAccessTest)

#include "LinuxSystemAccessTest.moc"
