<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppModel</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n default</numerusform>
            <numerusform>%n defaults</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationIndex</name>
    <message numerus="yes">
        <source>%1 declares %n type(s) in %2.</source>
        <translation>
            <numerusform>%1 declares %n type in %2.</numerusform>
            <numerusform>%1 declares %n types in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 declares %n type(s).</source>
        <translation>
            <numerusform>%1 declares %n type.</numerusform>
            <numerusform>%1 declares %n types.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>Imported %n profile.</numerusform>
            <numerusform>Imported %n profiles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n defaults as “%1” (%2).</source>
        <translation>
            <numerusform>Backed up %n default as “%1” (%2).</numerusform>
            <numerusform>Backed up %n defaults as “%1” (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types need attention.</source>
        <translation>
            <numerusform>%n type needs attention.</numerusform>
            <numerusform>%n types need attention.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>Exported %n profile.</numerusform>
            <numerusform>Exported %n profiles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n default</numerusform>
            <numerusform>%n defaults</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n different from now</numerusform>
            <numerusform>%n different from now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n default(s) changed since the last check:</source>
        <translation>
            <numerusform>%n default changed since the last check:</numerusform>
            <numerusform>%n defaults changed since the last check:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Declares %n types; the default for %1 of them.</source>
        <translation>
            <numerusform>Declares %n type; the default for %1 of them.</numerusform>
            <numerusform>Declares %n types; the default for %1 of them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone: %n no longer found, as the files changed meanwhile.</source>
        <translation>
            <numerusform>Left alone: %n no longer found, as the files changed meanwhile.</numerusform>
            <numerusform>Left alone: %n no longer found, as the files changed meanwhile.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problem in your defaults files</numerusform>
            <numerusform>%n problems in your defaults files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems in your defaults files: see openwright doctor.</source>
        <translation>
            <numerusform>%n problem in your defaults files: see openwright doctor.</numerusform>
            <numerusform>%n problems in your defaults files: see openwright doctor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs: see openwright agree.</source>
        <translation>
            <numerusform>%n type opens differently in other programs: see openwright agree.</numerusform>
            <numerusform>%n types open differently in other programs: see openwright agree.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::AppPicker</name>
    <message numerus="yes">
        <source>Choose Another App… shows %n more</source>
        <translation>
            <numerusform>Choose Another App… shows %n more</numerusform>
            <numerusform>Choose Another App… shows %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationPage</name>
    <message numerus="yes">
        <source>Declares %n types</source>
        <translation>
            <numerusform>Declares %n type</numerusform>
            <numerusform>Declares %n types</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>default for %n types</source>
        <translation>
            <numerusform>default for %n type</numerusform>
            <numerusform>default for %n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ApplicationsView</name>
    <message numerus="yes">
        <source>Default for %n types</source>
        <translation>
            <numerusform>Default for %n type</numerusform>
            <numerusform>Default for %n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::BackupRow</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n default</numerusform>
            <numerusform>%n defaults</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n different from now</source>
        <translation>
            <numerusform>%n different from now</numerusform>
            <numerusform>%n different from now</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::HealthCard</name>
    <message numerus="yes">
        <source>%n types need attention</source>
        <translation>
            <numerusform>%n type needs attention</numerusform>
            <numerusform>%n types need attention</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::OverviewView</name>
    <message numerus="yes">
        <source>%n problems in your defaults files</source>
        <translation>
            <numerusform>%n problem in your defaults files</numerusform>
            <numerusform>%n problems in your defaults files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types open differently in other programs</source>
        <translation>
            <numerusform>%n type opens differently in other programs</numerusform>
            <numerusform>%n types open differently in other programs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfileSheet</name>
    <message numerus="yes">
        <source>%n defaults</source>
        <translation>
            <numerusform>%n default</numerusform>
            <numerusform>%n defaults</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already set</source>
        <translation>
            <numerusform>%n already set</numerusform>
            <numerusform>%n already set</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Defaults</source>
        <translation>
            <numerusform>Restore %n Default</numerusform>
            <numerusform>Restore %n Defaults</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Apply %n Changes</source>
        <translation>
            <numerusform>Apply %n Change</numerusform>
            <numerusform>Apply %n Changes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::ProfilesView</name>
    <message numerus="yes">
        <source>Exported %n profile(s).</source>
        <translation>
            <numerusform>Exported %n profile.</numerusform>
            <numerusform>Exported %n profiles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n profile(s).</source>
        <translation>
            <numerusform>Imported %n profile.</numerusform>
            <numerusform>Imported %n profiles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SettingsView</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::SidebarModel</name>
    <message numerus="yes">
        <source>%n changes wait</source>
        <translation>
            <numerusform>%n change waits</numerusform>
            <numerusform>%n changes wait</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n types</source>
        <translation>
            <numerusform>%n type</numerusform>
            <numerusform>%n types</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TrayPanel</name>
    <message numerus="yes">
        <source>Guard is watching %n pinned defaults</source>
        <translation>
            <numerusform>Guard is watching %n pinned default</numerusform>
            <numerusform>Guard is watching %n pinned defaults</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>openwright::ui::TypeHits</name>
    <message numerus="yes">
        <source>All %n in All Types</source>
        <translation>
            <numerusform>%n in All Types</numerusform>
            <numerusform>All %n in All Types</numerusform>
        </translation>
    </message>
</context>
</TS>
