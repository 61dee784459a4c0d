#!/usr/bin/env bash
# The Ansible module on two "machines": two inventory hosts, each a sample desktop of its own
# (its own home, XDG folders and desktop: GNOME and KDE), reached over the local connection.
# Runs the README's playbook twice (changed, then ok), then checks.yml, and asks `gio mime` in
# each machine whether the defaults are what the playbooks set.
#   tests/ansible/run.sh OPENWRIGHT_PROGRAM_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program_dir=$1
command -v ansible-playbook >/dev/null || { echo "SKIP: ansible-core is not installed"; exit 0; }
work=$(mktemp -d "${TMPDIR:-/tmp}/openwright-ansible-XXXXXX")
trap 'rm -rf "$work"' EXIT
export ANSIBLE_COLLECTIONS_PATH=$work/collections ANSIBLE_LOCAL_TEMP=$work/ansible-tmp ANSIBLE_HOME=$work/ansible \
    ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_STDOUT_CALLBACK=default
mkdir -p "$ANSIBLE_COLLECTIONS_PATH/ansible_collections/openwright"
ln -s "$here/../../contrib/ansible" "$ANSIBLE_COLLECTIONS_PATH/ansible_collections/openwright/desktop"

# The module's documentation, examples and return values parse, as ansible-doc and Galaxy read them.
ansible-doc -M "$here/../../contrib/ansible/plugins/modules" openwright_defaults >/dev/null
python3 - "$here/../../contrib/ansible/plugins/modules/openwright_defaults.py" <<'PY'
import ast, sys, yaml
tree = ast.parse(open(sys.argv[1]).read())
for node in tree.body:
    if isinstance(node, ast.Assign) and node.targets[0].id in ("DOCUMENTATION", "EXAMPLES", "RETURN"):
        yaml.safe_load(node.value.value)
PY
(cd "$work" && ansible-galaxy collection build "$here/../../contrib/ansible" >/dev/null)

system_scope=false
[[ $(id -u) -eq 0 ]] && system_scope=true
system_data_before=no
[[ -e /var/lib/openwright ]] && system_data_before=yes
{
    echo "machines:"
    echo "  hosts:"
    for host in one two; do
        root=$work/$host
        bash "$here/../../scripts/sample-desktop.sh" "$root" >/dev/null
        desktop=GNOME
        [[ $host == two ]] && desktop=KDE
        printf '{"format":"openwright.profiles","version":1,"profiles":[{"id":"X","name":"Reading","summary":"","symbol":"book","kind":"custom","createdAt":"2025-03-01T09:30:00Z","entries":[{"target":".md","bundleID":"org.gnome.TextEditor","appName":"Text Editor"}]}]}' \
            >"$root/reading.json"
        # The system's backups too stay in the machine's sandbox.
        env_json=$(env -i bash -c "source '$root/env.sh'; export XDG_CURRENT_DESKTOP=$desktop \
            OPENWRIGHT_SYSTEM_DATA='$root/var/lib/openwright' PATH='$program_dir':\$PATH; python3 -c 'import json, os; print(json.dumps({k: v for k, v in os.environ.items() \
            if k.startswith(\"XDG_\") or k in (\"HOME\", \"PATH\", \"LANG\", \"OPENWRIGHT_SYSTEM_DATA\")}))'")
        echo "    $host:"
        echo "      ansible_connection: local"
        echo "      ansible_python_interpreter: $(command -v python3)"
        echo "      sandbox_root: $root"
        echo "      system_scope: $system_scope"
        echo "      sandbox_env: $env_json"
    done
} >"$work/inventory.yml"

play() { ansible-playbook -i "$work/inventory.yml" "$@"; }
echo "== the README's playbook, first run"
play "$here/site.yml" | tee "$work/first" | grep -E "changed:|ok:|failed|PLAY RECAP|one|two" || true
grep -qE "one +: ok=1 +changed=1 " "$work/first" && grep -qE "two +: ok=1 +changed=1 " "$work/first"
echo "== again: nothing to change"
play "$here/site.yml" | tee "$work/second" | grep -E "PLAY RECAP|one |two " || true
grep -qE "one +: ok=1 +changed=0 " "$work/second" && grep -qE "two +: ok=1 +changed=0 " "$work/second"
echo "== checks"
play "$here/checks.yml" >"$work/checks" || { cat "$work/checks"; exit 1; }
grep -E "PLAY RECAP" -A3 "$work/checks"

failures=0
expect() { # host, MIME type, desktop file, [new account]
    local root=$work/$1 fresh=""
    [[ ${4:-} == new ]] && fresh="export XDG_CONFIG_HOME=$work/new-account/.config XDG_DATA_HOME=$work/new-account/data;"
    local said
    said=$(env -i bash -c "source '$root/env.sh'; $fresh gio mime '$2'" 2>&1 | sed -n 1p)
    if [[ $said != *"$3"* ]]; then
        echo "FAIL: $1 ${4:-} $2: $said (wanted $3)"
        failures=$((failures + 1))
    fi
}
for host in one two; do
    expect $host application/pdf org.kde.okular.desktop
    expect $host text/markdown org.gnome.TextEditor.desktop
    $system_scope && expect $host text/plain org.gnome.TextEditor.desktop new
done
# Nothing of the system scope may land outside the sandboxes.
[[ $system_data_before == no && -e /var/lib/openwright ]] && { echo "FAIL: /var/lib/openwright was written"; failures=$((failures + 1)); }
((failures == 0)) && echo "gio mime agrees on both machines"
exit $((failures > 0))
