#!/usr/bin/env python3
"""Builds the Debian packages with scripts/package, unpacks the program's into a scratch root,
checks what it holds, runs the unpacked tarnwick-cli on the packaged sample, and starts the
unpacked program offscreen through its desktop entry's command line on the same file. The
control kit's two packages are unpacked into a root of their own: the unpacked fenhost creates
both controls by ProgID, and the example builds against the unpacked kit and runs.

The unpacked files do not lie where the package installs them (/usr), so the run gets a user
hive that is the packaged default hive with its paths moved into the scratch root; the
program's own compiled-in hive location is checked to be the packaged one.
"""
import glob
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from program_start import open_until_shown  # noqa: E402

SOURCE = os.environ["TARNWICK_SOURCE_DIR"]
PREFIX = "/usr"
DATA = PREFIX + "/share/tarnwick"
HIVE_DIR = DATA + "/registry"
EXPECTED = [
    "usr/bin/tarnwick", "usr/bin/tarnwick-cli", "usr/bin/stavik-sim", "usr/bin/regtool",
    "usr/share/tarnwick/vocabulary.dat", "usr/share/tarnwick/protected.dat",
    "usr/share/tarnwick/sample.stv", "usr/share/tarnwick/help/tarnwick.qhc",
    "usr/share/tarnwick/help/tarnwick.qch", "usr/share/tarnwick/registry/HKEY_LOCAL_MACHINE.reg",
    "usr/share/applications/tarnwick.desktop", "usr/share/mime/packages/tarnwick.xml",
    "usr/share/icons/hicolor/scalable/apps/tarnwick.svg",
    "usr/lib/systemd/user/tarnwick-backup@.service", "usr/lib/systemd/user/tarnwick-backup@.timer",
    "usr/share/doc/tarnwick/inventory.example.json",
]


def run(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def check_control(deb):
    fields = run("dpkg-deb", "--field", deb, "Package", "Version", "Depends")
    print(fields, end="")
    for needed in ("Package: tarnwick", "libqt6widgets6", "libqt6serialport6", "libqt6help6",
                   "libqt6sql6-sqlite"):
        assert needed in fields, f"control lacks {needed}"


def check_hive(root):
    text = open(os.path.join(root, HIVE_DIR.lstrip("/"), "HKEY_LOCAL_MACHINE.reg"),
                encoding="latin-1").read()
    paths = dict(re.findall(r'^"(VocabDat|HelpFile|Protected)"="([^"]*)"$', text, re.M))
    assert sorted(paths) == ["HelpFile", "Protected", "VocabDat"], paths
    for name, path in paths.items():
        assert path.startswith(DATA + "/"), f"{name} {path} is not packaged data"
        assert os.path.isfile(root + path), f"{name} {path} is not in the package"
    program = open(os.path.join(root, "usr/bin/tarnwick"), "rb").read()
    # Qt keeps its literal texts as UTF-16.
    assert HIVE_DIR.encode("utf-16-le") in program, "the program looks for its hive elsewhere"
    return text


def check_mime(root):
    with tempfile.TemporaryDirectory() as mime:
        os.makedirs(os.path.join(mime, "packages"))
        with open(os.path.join(root, "usr/share/mime/packages/tarnwick.xml"), "rb") as source, \
                open(os.path.join(mime, "packages/tarnwick.xml"), "wb") as copy:
            copy.write(source.read())
        run("update-mime-database", mime)
        globs = open(os.path.join(mime, "globs2")).read()
        assert "application/x-tarnwick-settings:*.stv" in globs, globs
        assert "application/x-tarnwick-connection:*.tlc" in globs, globs


def desktop_command(root, settings_file):
    entry = open(os.path.join(root, "usr/share/applications/tarnwick.desktop")).read()
    assert "MimeType=application/x-tarnwick-settings;" in entry
    exec_line = re.search(r"^Exec=(.*)$", entry, re.M).group(1)
    words = shlex.split(exec_line)
    assert words[0] == "tarnwick", exec_line
    return [os.path.join(root, "usr/bin/tarnwick")] + \
        [settings_file if word == "%f" else word for word in words[1:]]


def check_libraries(root):
    """Every program in the package finds every library it links."""
    for program in ("tarnwick", "tarnwick-cli", "stavik-sim", "regtool"):
        path = os.path.join(root, "usr/bin", program)
        missing = [line.strip() for line in run("ldd", path).splitlines() if "not found" in line]
        assert not missing, f"{program} lacks {missing}"


def check_cli_show(root, home):
    """The packaged tarnwick-cli decodes the packaged sample with the packaged vocabulary."""
    env = dict(os.environ, HOME=home, TARNWICK_REGISTRY_DIR=os.path.join(home, "registry"))
    shown = run(os.path.join(root, "usr/bin/tarnwick-cli"), "show", root + DATA + "/sample.stv",
                "--json", env=env)
    configuration = json.loads(shown)["configuration"]
    assert configuration["site_label"], "the sample decodes without a site label"
    words = [cell["word"] for cell in configuration["sign_on_message"] if cell["code"] != 32]
    assert words and all(words), f"sign-on words not found in the vocabulary: {words}"
    print("tarnwick-cli show:", configuration["site_label"], " ".join(words))


def kit_user_hive(root, home):
    """The packaged class registrations with their library paths moved into the scratch root."""
    text = open(os.path.join(root, HIVE_DIR.lstrip("/"), "HKEY_CLASSES_ROOT.reg"),
                encoding="latin-1").read()
    servers = re.findall(r'^\[[^\]]*\\InprocServer32\]\n@="([^"]*)"$', text, re.M)
    assert sorted(os.path.basename(path) for path in set(servers)) == \
        ["libfenmask.so", "libfennumlite.so"], servers
    for path in servers:
        assert path.startswith(PREFIX + "/lib") and os.path.isfile(root + path), path
    os.makedirs(home)
    with open(os.path.join(home, "HKEY_CLASSES_ROOT.reg"), "w", encoding="latin-1") as hive:
        hive.write(text.replace(f'="{PREFIX}/', f'="{root}{PREFIX}/'))
    return home


def check_kit(debs, scratch):
    kit = [deb for deb in debs if os.path.basename(deb).startswith("fencontrols")]
    assert len(kit) == 2, debs
    dev = next(deb for deb in kit if os.path.basename(deb).startswith("fencontrols-dev_"))
    assert "fencontrols (=" in run("dpkg-deb", "--field", dev, "Depends")
    root = os.path.join(scratch, "kit")
    for deb in kit:
        run("dpkg-deb", "-x", deb, root)
    prefix = root + PREFIX
    # The libraries lie in lib/ or in its multiarch folder.
    for pattern in ("bin/fenhost", "lib/*fencontrols/libfenbase6.so",
                    "lib/*fencontrols/libfenmask.so", "lib/*fencontrols/libfennumlite.so",
                    "lib/*libfencontrols.so.2", "include/fencontrols/fencontrols.h",
                    "lib/*cmake/FenControls/FenControlsConfig.cmake",
                    "lib/*pkgconfig/fencontrols.pc"):
        found = glob.glob(os.path.join(prefix, pattern)) + \
            glob.glob(os.path.join(prefix, pattern.replace("*", "*/")))
        assert found, f"not in the kit's packages: {pattern}"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               TARNWICK_REGISTRY_DIR=kit_user_hive(root, os.path.join(scratch, "kit-hive")))
    script = os.path.join(scratch, "kit.script")
    with open(script, "w") as commands:
        commands.write('create Holm.Mask6 m\nset m.Format "(999)999-9999"\nkeys m 5551234567\n'
                       "get m.Text\ncreate Holm.NumLite6 n\nget n.Value\n")
    results = [line for line in run(os.path.join(prefix, "bin/fenhost"), "--script", script,
                                    env=env).splitlines() if not line.startswith("event ")]
    assert results == ['"(555)123-4567"', "0"], results
    build = os.path.join(scratch, "example")
    run("cmake", "-S", os.path.join(SOURCE, "examples/order-form"), "-B", build, "-G", "Ninja",
        f"-DCMAKE_PREFIX_PATH={prefix}")
    run("cmake", "--build", build)
    shown = run(os.path.join(build, "order-form"), "--type", "5551234567", "42", env=env)
    assert shown.strip() == "Phone: (555)123-4567  Quantity: 42", shown
    print("kit:", shown.strip())


def main():
    debs = run(os.path.join(SOURCE, "scripts/package"), cwd=SOURCE).split()
    deb = debs[-1]
    print("package:", deb)
    check_control(deb)
    with tempfile.TemporaryDirectory() as scratch:
        check_kit(debs, scratch)
    with tempfile.TemporaryDirectory() as scratch:
        root = os.path.join(scratch, "root")
        run("dpkg-deb", "-x", deb, root)
        missing = [f for f in EXPECTED if not os.path.isfile(os.path.join(root, f))]
        assert not missing, f"not in the package: {missing}"
        hive = check_hive(root)
        check_mime(root)

        home = os.path.join(scratch, "home")
        os.makedirs(os.path.join(home, "registry"))
        with open(os.path.join(home, "registry/HKEY_LOCAL_MACHINE.reg"), "w",
                  encoding="latin-1") as user_hive:
            user_hive.write(hive.replace(f'="{DATA}/', f'="{root}{DATA}/'))
        check_libraries(root)
        check_cli_show(root, home)
        sample = root + DATA + "/sample.stv"
        # The user hive is the packaged default one, whose folders follow %HOME%.
        print(open_until_shown(desktop_command(root, sample), home, hive_names_home=True), end="")
    print("ok")


if __name__ == "__main__":
    main()
