#pragma once
// Tests that host the Lumtor indicator control: the control registry is a
// temporary file while the object lives (the user's own registry is never
// touched), and the Lumtor library of this build is registered in it.
//
//   test::LumtorRegistry registry;
//   auto lamp = test::createLumtor();   // hosting::HostedControl, hidden, no container

#include "core/hosting/control_host.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace pelmora::test {

class LumtorRegistry {
public:
    // registerLumtor false: an empty registry (nothing is registered).
    explicit LumtorRegistry(bool registerLumtor = true);
    ~LumtorRegistry();
    LumtorRegistry(const LumtorRegistry &) = delete;
    LumtorRegistry &operator=(const LumtorRegistry &) = delete;

    QString path() const;
    // The built library file.
    static QString libraryPath();

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

inline constexpr char LumtorProgId[] = "Lumtorkit.Lumtor";

// A Lumtor control created through the shared host; fails the test when none.
std::unique_ptr<hosting::HostedControl> createLumtor();

} // namespace pelmora::test
