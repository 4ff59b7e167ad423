#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace installer {

// What the forms need of a registration: each call runs to completion and either returns
// (success) or throws RegistrationError.
class AgentRegistration
{
public:
    virtual ~AgentRegistration() = default;
    virtual void registerWithAddress(const QString &address, const QString &login, const QString &password,
                                     const QString &name) = 0;
    virtual void reRegisterWithAgentGuid(const QString &agentGuid, const QString &address, const QString &login,
                                         const QString &password, const QString &name) = 0;
};

// The forms make a new registration for every click.
using AgentRegistrationFactory = std::function<std::unique_ptr<AgentRegistration>()>;

} // namespace installer
