"""Print the module directory of this interpreter for an install prefix.

Relative to the prefix when it lies inside it, so `cmake --install --prefix`
and DESTDIR staging keep working.
"""
import os
import sys
import sysconfig

prefix = os.path.normpath(sys.argv[1])
default = sysconfig.get_default_scheme()
if prefix == "/usr" and "deb_system" in sysconfig.get_scheme_names():
    path = sysconfig.get_path("platlib", "deb_system")
elif prefix == os.path.normpath(sysconfig.get_path("data", default)):
    path = sysconfig.get_path("platlib", default)
else:
    path = sysconfig.get_path("platlib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
path = os.path.normpath(path)
print(os.path.relpath(path, prefix) if path.startswith(prefix + os.sep) else path)
