// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_failure.h"

#include "core/message.h"

#include <string_view>

namespace {

// The beginnings of the messages Qt 6 gives where a platform fails.
constexpr std::string_view missingPlugin = "Could not find the Qt platform plugin \"";
constexpr std::string_view noXDisplay = "could not connect to display";
constexpr std::string_view noWaylandDisplay = "Failed to create wl_display";
constexpr std::string_view availablePlugins = "Available platform plugins are: ";

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" .") + 1 - first));
}

// The plugins Qt lists in its fatal message, or "" where it lists none.
std::string availableList(std::string_view fatal) {
    const std::size_t at = fatal.find(availablePlugins);
    if (at == std::string_view::npos)
        return {};
    const std::string_view list = fatal.substr(at + availablePlugins.size());
    return trimmed(list.substr(0, list.find('\n')));
}

// Qt's own words for a plugin it could not find, with the plugins it has
// and, for Wayland's, the package that brings it.
std::string missingPluginReason(const std::string& message, std::string_view fatal,
                                const Language& language) {
    std::string reason = message;
    const std::string available = availableList(fatal);
    if (!available.empty())
        // TRANSLATORS: follows Qt's own message that a platform plugin is
        // missing.
        reason += ::message(language, N_(" (available platform plugins are: {plugins})"),
                            {{"plugins", available}});
    const std::string_view plugin = std::string_view(message).substr(missingPlugin.size());
    if (plugin.starts_with("wayland"))
        reason += language.text(N_("; on Debian, the package qt6-wayland brings it"));
    return reason;
}

std::string xReason(const std::string& display, const Language& language) {
    if (display.empty())
        return language.text(N_("no X display to show the window on (DISPLAY is not set)"));
    return message(language, N_("cannot open the X display {display} to show the window on"),
                   {{"display", display}});
}

std::string waylandReason(const std::string& waylandDisplay, const Language& language) {
    if (waylandDisplay.empty())
        return language.text(N_("no Wayland compositor at wayland-0 to show the window on "
                                "(WAYLAND_DISPLAY is not set)"));
    return message(language, N_("no Wayland compositor at {display} to show the window on"),
                   {{"display", waylandDisplay}});
}

// Where a platform was asked for and failed, the other one the environment
// names and Qt did not try.
std::string otherPlatform(const StartupSetting& setting, bool xTried, bool waylandTried,
                          const Language& language) {
    if (setting.platform.empty())
        return {};
    if (!xTried && !setting.display.empty())
        return message(language,
                       // TRANSLATORS: {source} is QT_QPA_PLATFORM or -platform, {platform}
                       // the platform it names; xcb is the name of Qt's X11 platform.
                       N_("; {source} asks for {platform}: ask for xcb to use the X "
                          "display {display}"),
                       {{"source", setting.platformSource},
                        {"platform", setting.platform},
                        {"display", setting.display}});
    if (!waylandTried && !setting.waylandDisplay.empty())
        return message(language,
                       N_("; {source} asks for {platform}: ask for wayland to use the "
                          "Wayland compositor at {display}"),
                       {{"source", setting.platformSource},
                        {"platform", setting.platform},
                        {"display", setting.waylandDisplay}});
    return {};
}

} // namespace

std::string startupFailure(const std::vector<std::string>& toolkitMessages,
                           const std::string& fatal, const StartupSetting& setting,
                           const Language& language) {
    std::string reasons;
    const auto add = [&reasons](const std::string& reason) {
        reasons += (reasons.empty() ? "" : "; ") + reason;
    };
    bool xTried = false, waylandTried = false;
    for (const std::string& message : toolkitMessages) {
        const std::string_view text = message;
        if (text.starts_with(missingPlugin)) {
            add(missingPluginReason(message, fatal, language));
        } else if (text.starts_with(noXDisplay)) {
            add(xReason(trimmed(text.substr(noXDisplay.size())), language));
            xTried = true;
        } else if (text.starts_with(noWaylandDisplay)) {
            add(waylandReason(setting.waylandDisplay, language));
            waylandTried = true;
        }
    }
    if (reasons.empty())
        return fatal.substr(0, fatal.find('\n'));
    return reasons + otherPlatform(setting, xTried, waylandTried, language);
}

std::string noFontMessage(const Language& language) {
    return language.text(N_("no font to draw the window's text with (Liberation Sans is missing; "
                            "on Debian, the package fonts-liberation2 brings it)"));
}
