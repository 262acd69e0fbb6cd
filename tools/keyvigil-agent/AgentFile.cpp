#include "tools/keyvigil-agent/AgentFile.h"

#include "shared/AgentFileKeys.h"
#include "shared/PropertyListFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The label becomes a unit name and file names: letters, digits, dots, dashes, underscores.
bool isUsableLabel(const QString& label) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,199}$"));
    return name.match(label).hasMatch();
}

// A line break would end the unit's or the autostart entry's line early.
bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

} // namespace

std::optional<AgentFile> readAgentFile(const QString& path, QString& error) {
    const PropertyListFile::Entries entries = PropertyListFile::readDictionaryEntries(path);
    if (entries.empty()) {
        error = QStringLiteral("cannot read the agent file %1").arg(path);
        return std::nullopt;
    }
    const auto find = [&entries](QLatin1StringView key) -> const PlistValue* {
        for (const auto& [name, value] : entries)
            if (name == key)
                return &value;
        return nullptr;
    };
    AgentFile agent;
    for (auto [key, field] : {std::pair{AgentFileKeys::kLabel, &agent.label},
                              {AgentFileKeys::kProgram, &agent.program}}) {
        const PlistValue* value = find(key);
        if (!value || !value->isString() || value->toString().isEmpty()) {
            error = QStringLiteral("the agent file %1 has no %2 string").arg(path, key);
            return std::nullopt;
        }
        *field = value->toString();
    }
    for (auto [key, field] : {std::pair{AgentFileKeys::kRunAtLoad, &agent.runAtLoad},
                              {AgentFileKeys::kKeepAlive, &agent.keepAlive}}) {
        const PlistValue* value = find(key);
        if (value && value->kind() != PlistValue::Kind::Boolean) {
            error = QStringLiteral("the agent file's %1 is no boolean").arg(key);
            return std::nullopt;
        }
        *field = value && value->boolValue();
    }
    if (!isUsableLabel(agent.label)) {
        error = QStringLiteral("the agent file's Label \"%1\" is no usable name").arg(agent.label);
        return std::nullopt;
    }
    if (!agent.program.startsWith(u'/') || hasControlCharacter(agent.program)) {
        error =
            QStringLiteral("the agent file's Program %1 is no absolute path").arg(agent.program);
        return std::nullopt;
    }
    return agent;
}

bool canRun(const AgentFile& agent, QString& error) {
    const QFileInfo program(agent.program);
    if (!program.isFile() || !program.isExecutable()) {
        error =
            QStringLiteral("the agent file's Program %1 is no executable file").arg(agent.program);
        return false;
    }
    // With neither, the agent would wait for a request that nothing here can make.
    if (!agent.runAtLoad && !agent.keepAlive) {
        error = QStringLiteral("the agent file sets neither RunAtLoad nor KeepAlive");
        return false;
    }
    return true;
}
