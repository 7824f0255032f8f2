#!/usr/bin/env python3
"""Starts the real program offscreen with "/Open FILE" and checks that it shows the main window
and ends cleanly, through the program's TARNWICK_EXIT_AFTER_SHOWN hook.

    program_start.py PROGRAM SETTINGS_FILE
"""
import os
import subprocess
import sys
import tempfile


def open_until_shown(command, home, extra_env=None, timeout=60, hive_names_home=False):
    """Runs `command` (the program and its arguments) with a private home, registry and
    configuration under `home`; returns its stderr. Fails unless it ended with status 0 after
    painting the main window and writing its picture, and, unless the registry folder's own
    hive names folders in the home (`hive_names_home`), made nothing in the home."""
    shots = os.path.join(home, "shots")
    env = dict(os.environ)
    env.update(
        QT_QPA_PLATFORM="offscreen",
        HOME=home,
        XDG_CONFIG_HOME=os.path.join(home, "config"),
        TARNWICK_REGISTRY_DIR=os.path.join(home, "registry"),
        TARNWICK_EXIT_AFTER_SHOWN="1",
        TARNWICK_STARTUP_TRACE="1",
        TARNWICK_SCREENSHOT_DIR=shots,
    )
    env.update(extra_env or {})
    result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=timeout)
    if result.returncode != 0:
        raise AssertionError(f"{command} ended with {result.returncode}:\n{result.stderr}")
    if "main window painted" not in result.stderr:
        raise AssertionError(f"{command} never showed the main window:\n{result.stderr}")
    for picture in ("splash.png", "main-window.png"):
        if not os.path.getsize(os.path.join(shots, picture)):
            raise AssertionError(f"{picture} is empty")
    # A run scoped to its own registry folder makes nothing of the user's in the home.
    if not hive_names_home and os.path.exists(os.path.join(home, "Tarnwick")):
        raise AssertionError("the scoped run made the default folders in the home")
    return result.stderr


def main():
    program, settings_file = sys.argv[1:3]
    with tempfile.TemporaryDirectory() as home:
        print(open_until_shown([program, "/Open", settings_file], home), end="")
    print("ok")


if __name__ == "__main__":
    main()
