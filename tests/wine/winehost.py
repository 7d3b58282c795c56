"""A private Wine environment for the integration tests: network namespace, Xvfb, fresh prefix.

Everything a test starts runs inside a network namespace of its own with only loopback up, so no
traffic leaves the machine; processes are ended by the PIDs this module started.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def ensure_private_network():
    """Re-runs this script inside a new network namespace with loopback up, once."""
    if os.environ.get('VARDEKO_NETNS') == '1':
        return
    env = dict(os.environ, VARDEKO_NETNS='1')
    script = 'ip link set lo up && exec "$0" "$@"'
    cmd = ['unshare', '--net', 'sh', '-c', script, sys.executable] + sys.argv
    sys.exit(subprocess.call(cmd, env=env))


class WineHost:
    """Xvfb plus one warm Wine prefix, shared by the tests of a run."""

    def __init__(self, build_dir):
        self.build_dir = build_dir
        self.root = tempfile.mkdtemp(prefix='vardeko-wine-')
        self.prefix = os.path.join(self.root, 'prefix')
        self.xvfb = None
        self.wineserver = None
        self.display = None
        self.env = None

    # -- set-up and tear-down ------------------------------------------------------------------

    def start(self):
        self._start_xvfb()
        self.env = dict(os.environ)
        for proxy in ('http_proxy', 'https_proxy', 'HTTP_PROXY', 'HTTPS_PROXY'):
            self.env.pop(proxy, None)
        self.env.update({
            'WINEPREFIX': self.prefix,
            'WINEDEBUG': '-all',
            'WINEDLLOVERRIDES': 'mscoree,mshtml=',
            'DISPLAY': self.display,
            'no_proxy': '127.0.0.1,localhost',
        })
        subprocess.run(['wineboot', '-i'], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Keep the server alive between programs so each start is warm.
        self.wineserver = subprocess.Popen(['wineserver', '-f', '-p'], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.run_driver('screen')

    def stop(self):
        if self.env is not None:
            subprocess.run(['wineserver', '-k'], env=self.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for proc in (self.wineserver, self.xvfb):
            if proc is not None and proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
                try:
                    proc.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(self.root, ignore_errors=True)

    def _start_xvfb(self):
        for number in range(90, 190):
            if os.path.exists(f'/tmp/.X11-unix/X{number}') or os.path.exists(f'/tmp/.X{number}-lock'):
                continue
            self.xvfb = subprocess.Popen(
                ['Xvfb', f':{number}', '-screen', '0', '1024x768x24', '-nolisten', 'tcp'],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f'/tmp/.X11-unix/X{number}'):
                    self.display = f':{number}'
                    return
                if self.xvfb.poll() is not None:
                    break
                time.sleep(0.05)
            if self.xvfb.poll() is None:
                self.xvfb.kill()
        raise RuntimeError('could not start Xvfb')

    # -- programs ------------------------------------------------------------------------------

    def windows_path(self, unix_path):
        """C: drive path of a file inside the prefix's drive_c."""
        rel = os.path.relpath(unix_path, os.path.join(self.prefix, 'drive_c'))
        return 'C:\\' + rel.replace('/', '\\')

    def install_program(self, folder_name):
        """A fresh folder in C: holding a copy of Vardeko.exe; returns its Unix path."""
        folder = os.path.join(self.prefix, 'drive_c', folder_name)
        os.makedirs(folder, exist_ok=True)
        shutil.copy(os.path.join(self.build_dir, 'src', 'win32', 'Vardeko.exe'), folder)
        return folder

    def start_program(self, folder, *args):
        """Starts Vardeko.exe from `folder`; returns the Popen."""
        return subprocess.Popen(['wine', os.path.join(folder, 'Vardeko.exe'), *args], env=self.env,
                                cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def run_driver(self, *args, check=True, timeout=60):
        """Runs one driver command; returns its output lines."""
        driver = os.path.join(self.build_dir, 'tests', 'wine', 'vdriver.exe')
        done = subprocess.run(['wine', driver, *args], env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        lines = done.stdout.splitlines()
        if check and done.returncode != 0:
            raise AssertionError(f'driver {args} failed ({done.returncode}): {lines}')
        if not lines:
            raise AssertionError(f'driver {args} printed nothing: did the Win32 program run?')
        return lines
