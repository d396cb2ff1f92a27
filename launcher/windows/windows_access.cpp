#include "launcher/windows/windows_access.h"

namespace kinsketch::launcher {

namespace {
constexpr std::int32_t acNormal = 0;
constexpr std::int32_t acFormPropertySettings = -1;
} // namespace

void WindowsAccess::openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password)
{
    Variant file(path);
    Variant exclusiveFlag(exclusive);
    Variant passwordText(password);
    application_.call(L"OpenCurrentDatabase", {&file, &exclusiveFlag, &passwordText});
}

void WindowsAccess::setUserControl(bool userControl) { application_.put(L"UserControl", Variant(userControl)); }

void WindowsAccess::setVisible(bool visible) { application_.put(L"Visible", Variant(visible)); }

void WindowsAccess::setOption(const std::string& name, const AccessOptionValue& value)
{
    Variant option(name);
    Variant setting =
        std::holds_alternative<bool>(value) ? Variant(std::get<bool>(value)) : Variant(std::get<std::int32_t>(value));
    application_.call(L"SetOption", {&option, &setting});
}

void WindowsAccess::runCommand(AccessCommand command)
{
    Variant commandId(static_cast<std::int32_t>(command));
    application_.object(L"DoCmd").call(L"RunCommand", {&commandId});
}

DispatchObject WindowsAccess::propertyObject(const std::string& name)
{
    Variant propertyName(name);
    return application_.object(L"CurrentDb").object(L"Properties").object(L"Item", {&propertyName});
}

std::string WindowsAccess::databaseProperty(const std::string& name)
{
    return propertyObject(name).call(L"Value").text();
}

std::string WindowsAccess::activeFormCaption()
{
    return application_.object(L"Screen").object(L"ActiveForm").call(L"Caption").text();
}

std::string WindowsAccess::activeReportCaption()
{
    return application_.object(L"Screen").object(L"ActiveReport").call(L"Caption").text();
}

void WindowsAccess::openForm(const std::string& formName)
{
    Variant form(formName);
    Variant view(acNormal);
    Variant filterName = Variant::missing();
    Variant whereCondition = Variant::missing();
    Variant dataMode(acFormPropertySettings);
    application_.object(L"DoCmd").call(L"OpenForm", {&form, &view, &filterName, &whereCondition, &dataMode});
}

void WindowsAccess::doCmdQuit(QuitOption option)
{
    Variant quitOption(static_cast<std::int32_t>(option));
    application_.object(L"DoCmd").call(L"Quit", {&quitOption});
}

} // namespace kinsketch::launcher
