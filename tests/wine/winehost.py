"""A private Wine environment for the integration tests: network namespace, Xvfb, fresh prefix.

Everything a test starts runs inside a network namespace of its own with only loopback up, so no
traffic leaves the machine; processes are ended by the PIDs this module started.
"""
import os
import re
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

    # -- the connection monitor: test tool and stand-in file server ----------------------------

    def run_netcheck(self, *args, timeout=60):
        """Runs netcheck.exe once; returns its output lines (it always prints at least one)."""
        tool = os.path.join(self.build_dir, 'tests', 'wine', 'netcheck.exe')
        done = subprocess.run(['wine', tool, *args], env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        lines = done.stdout.splitlines()
        if done.returncode != 0 or not lines:
            raise AssertionError(f'netcheck {args} failed ({done.returncode}): {lines} '
                                 f'{done.stderr[-2000:]}')
        return lines

    def start_netcheck(self, *args):
        """Starts netcheck.exe with pipes on standard input and output; returns the Popen."""
        tool = os.path.join(self.build_dir, 'tests', 'wine', 'netcheck.exe')
        return subprocess.Popen(['wine', tool, *args], env=self.env, text=True, bufsize=1,
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL)

    def provider_folder(self):
        """Unix path of the folder that holds the test network provider and its files."""
        return os.path.join(self.prefix, 'drive_c', 'vardeko-netprov')

    def install_network_provider(self):
        """Registers the test network provider (vnetprov.dll) in the prefix, once per run.

        mpr reads the provider list when it loads, so only programs started afterwards see it.
        """
        if getattr(self, '_provider_installed', False):
            return
        folder = self.provider_folder()
        os.makedirs(folder, exist_ok=True)
        shutil.copy(os.path.join(self.build_dir, 'tests', 'wine', 'provider', 'vnetprov.dll'),
                    folder)
        services = r'HKLM\System\CurrentControlSet\Services\VardekoTestNet\NetworkProvider'
        for key, name, data in (
                (services, 'ProviderPath', self.windows_path(os.path.join(folder, 'vnetprov.dll'))),
                (services, 'Name', 'Vardeko Test Network'),
                (r'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order', 'ProviderOrder',
                 'VardekoTestNet')):
            subprocess.run(['wine', 'reg', 'add', key, '/v', name, '/d', data, '/f'],
                           env=self.env, check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        self._provider_installed = True

    def share_folder(self, server, share):
        """Unix path of the folder a drive connected to \\\\server\\share shows."""
        return os.path.join(self.prefix, 'dosdevices', 'unc', server, share)

    def serve_shares(self, shares):
        """Makes the stand-in file server offer these (server, share, user, password) shares only.

        Installs the provider if needed, writes its table and creates each share's folder.
        """
        self.install_network_provider()
        lines = []
        for server, share, user, password in shares:
            os.makedirs(self.share_folder(server, share), exist_ok=True)
            lines.append(f'{server}\t{share}\t{user}\t{password}\r\n')
        with open(os.path.join(self.provider_folder(), 'vnetshares.txt'), 'w') as table:
            table.writelines(lines)

    def provider_calls(self, clear=False):
        """The calls the provider logged so far, one line each; `clear` starts a new log."""
        log = os.path.join(self.provider_folder(), 'vnetcalls.log')
        lines = []
        if os.path.exists(log):
            with open(log) as f:
                lines = f.read().splitlines()
            if clear:
                os.remove(log)
        return lines

    @property
    def echo_filter(self):
        """The network namespace's EchoFilter, made on first use."""
        if getattr(self, '_echo_filter', None) is None:
            self._echo_filter = EchoFilter()
        return self._echo_filter


class EchoFilter:
    """nft rules on the input hook of the current network namespace.

    Counts ICMP echo requests, in all and per address; drops them for silent addresses, so that
    such a host times out as a switched-off server does (a drop on the output hook would make the
    send itself fail instead); and answers them with "host unreachable" for unreachable ones.
    """
    TABLE = 'vardeko_echo'

    def __init__(self):
        self._counted = set()
        self._listed = {}  # address -> the set it is in: silent or unreachable
        self._nft(f'''
            add table ip {self.TABLE}
            add chain ip {self.TABLE} input {{ type filter hook input priority 0 ; }}
            add set ip {self.TABLE} silent {{ type ipv4_addr ; }}
            add set ip {self.TABLE} unreachable {{ type ipv4_addr ; }}
            add counter ip {self.TABLE} echo_all
            add rule ip {self.TABLE} input icmp type echo-request counter name echo_all
            add rule ip {self.TABLE} input ip daddr @silent icmp type echo-request drop
            add rule ip {self.TABLE} input ip daddr @unreachable icmp type echo-request reject with icmp type host-unreachable
        ''')

    @staticmethod
    def _nft(script):
        done = subprocess.run(['nft', '-f', '-'], input=script, text=True, capture_output=True)
        if done.returncode != 0:
            raise RuntimeError(f'nft failed: {done.stderr.strip()}')

    @staticmethod
    def _counter_name(address):
        return 'echo_' + address.replace('.', '_') if address else 'echo_all'

    def count(self, address):
        """Starts counting echo requests to the address (from 0), if not yet counted."""
        if address in self._counted:
            return
        name = self._counter_name(address)
        # Inserted at the head of the chain, so requests are counted before a drop.
        self._nft(f'''
            add counter ip {self.TABLE} {name}
            insert rule ip {self.TABLE} input ip daddr {address} icmp type echo-request counter name {name}
        ''')
        self._counted.add(address)

    def echo_requests(self, address=None):
        """Echo requests that reached the input hook for the address (or for all) so far."""
        if address is not None:
            self.count(address)
        done = subprocess.run(['nft', 'list', 'counter', 'ip', self.TABLE,
                               self._counter_name(address)],
                              capture_output=True, text=True, check=True)
        return int(re.search(r'packets (\d+)', done.stdout).group(1))

    def silence(self, address):
        self._list(address, 'silent')

    def unreachable(self, address):
        self._list(address, 'unreachable')

    def answer(self, address):
        """The address answers echo requests again."""
        listed = self._listed.pop(address, None)
        if listed is not None:
            self._nft(f'delete element ip {self.TABLE} {listed} {{ {address} }}')

    def _list(self, address, listed):
        self.answer(address)
        self._nft(f'add element ip {self.TABLE} {listed} {{ {address} }}')
        self._listed[address] = listed
