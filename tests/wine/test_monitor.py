"""The connection monitor on the real system services under Wine: ICMP on loopback inside the
run's network namespace, the WNet calls through the stand-in file server (provider/), and the
monitor cycle over both. Driven through netcheck.exe until the main form runs the cycle."""
import os
import queue
import re
import threading

SHARE = '\\\\fileserver\\public'


def parse(line):
    """key=value fields of a netcheck line; quoted values lose their quotes."""
    return {k: v.strip('"') for k, v in re.findall(r'(\w+)=("[^"]*"|\S+)', line)}


def result(lines):
    """The fields of the last line: the operation's own result (earlier lines are its calls)."""
    return parse(lines[-1])


# -- host probe ----------------------------------------------------------------------------------

# Counters run for the whole run, so each test counts what its own probe added.

def test_monitor_probe_of_an_answering_host_sends_one_request(host):
    echo = host.echo_filter
    before = echo.echo_requests('127.0.0.5')
    assert result(host.run_netcheck('ping', '127.0.0.5'))['answered'] == '1'
    assert echo.echo_requests('127.0.0.5') - before == 1


def test_monitor_probe_of_a_silent_host_sends_four_requests(host):
    echo = host.echo_filter
    before = echo.echo_requests('127.0.0.9')
    echo.silence('127.0.0.9')
    try:
        assert result(host.run_netcheck('ping', '127.0.0.9'))['answered'] == '0'
        assert echo.echo_requests('127.0.0.9') - before == 4
        assert result(host.run_netcheck('echo', '127.0.0.9'))['status'] == 'timed-out'
    finally:
        echo.answer('127.0.0.9')


def test_monitor_probe_counts_unreachable_reports_as_unanswered(host):
    echo = host.echo_filter
    before = echo.echo_requests('127.0.0.10')
    echo.unreachable('127.0.0.10')
    try:
        assert result(host.run_netcheck('ping', '127.0.0.10'))['answered'] == '0'
        assert echo.echo_requests('127.0.0.10') - before == 4
        assert result(host.run_netcheck('echo', '127.0.0.10'))['status'] == 'unreachable'
    finally:
        echo.answer('127.0.0.10')


def test_monitor_probe_resolves_a_name_through_the_system_resolver(host):
    echo = host.echo_filter
    before = echo.echo_requests('127.0.0.1')
    assert result(host.run_netcheck('ping', 'localhost'))['answered'] == '1'
    assert echo.echo_requests('127.0.0.1') - before == 1


def test_monitor_probe_of_an_unresolvable_name_sends_nothing(host):
    echo = host.echo_filter
    before = echo.echo_requests()
    # A blank around an address makes it a name; the probe passes it on as it is.
    for name in ('no-such-host.invalid', ' 127.0.0.5'):
        assert result(host.run_netcheck('ping', name))['answered'] == '0', name
        assert result(host.run_netcheck('echo', name))['error'].startswith('Cannot'), name
    assert echo.echo_requests() == before


# -- network drive operations ----------------------------------------------------------------------

def test_monitor_drives_connect_report_and_cancel_a_share(host):
    host.serve_shares([('fileserver', 'public', 'alice', 'secret')])
    host.provider_calls(clear=True)
    try:
        assert result(host.run_netcheck('path', 'M:')) == {'path': '', 'code': '1200'}
        assert result(host.run_netcheck('use', 'M:', SHARE, 'secret', 'alice'))['use'] == '1'
        assert result(host.run_netcheck('path', 'M:')) == {'path': SHARE, 'code': '0'}
        assert os.path.isdir(os.path.join(host.prefix, 'dosdevices', 'm:'))
        assert result(host.run_netcheck('del', 'M:'))['del'] == '1'
        assert result(host.run_netcheck('path', 'M:'))['path'] == ''
        assert result(host.run_netcheck('del', 'M:')) == {'del': '0', 'code': '2250'}
        # Not remembered for the next logon, forced when cancelled.
        calls = host.provider_calls()
        assert 'flags=0 -> 0' in calls[0], calls
        assert 'force=1 -> 0' in calls[1], calls
    finally:
        host.run_netcheck('del', 'M:')


def test_monitor_drives_refuse_wrong_credentials(host):
    host.serve_shares([('fileserver', 'public', 'alice', 'secret')])
    host.provider_calls(clear=True)
    # The password comes before the user name: swapped, they are wrong credentials.
    for password, user in (('guess', 'alice'), ('alice', 'secret')):
        assert result(host.run_netcheck('use', 'M:', SHARE, password, user)) == {
            'use': '0', 'code': '5'}
    assert result(host.run_netcheck('path', 'M:'))['path'] == ''
    assert 'user="secret" password="alice"' in host.provider_calls()[1]


def test_monitor_drives_refuse_a_letter_in_use_and_never_cancel_a_local_disk(host):
    host.serve_shares([('fileserver', 'public', 'alice', 'secret'),
                       ('fileserver', 'archive', 'alice', 'secret')])
    try:
        assert result(host.run_netcheck('use', 'M:', SHARE, 'secret', 'alice'))['use'] == '1'
        taken = result(host.run_netcheck('use', 'M:', '\\\\fileserver\\archive', 'secret', 'alice'))
        assert taken == {'use': '0', 'code': '85'}
        assert result(host.run_netcheck('path', 'M:'))['path'] == SHARE
        assert result(host.run_netcheck('use', 'C:', SHARE, 'secret', 'alice'))['use'] == '0'
        assert result(host.run_netcheck('del', 'C:'))['del'] == '0'
        assert result(host.run_netcheck('path', 'C:'))['path'] == ''
        assert os.path.isdir(os.path.join(host.prefix, 'drive_c', 'windows'))
    finally:
        host.run_netcheck('del', 'M:')


def test_monitor_drives_pass_empty_texts_and_connect_without_a_letter(host):
    host.serve_shares([('fileserver', 'guest', 'guest', '')])
    host.provider_calls(clear=True)
    assert result(host.run_netcheck('use', '', '\\\\fileserver\\guest', '', 'guest'))['use'] == '1'
    assert result(host.run_netcheck('use', 'M:', '\\\\fileserver\\guest', '', ''))['use'] == '0'
    calls = host.provider_calls()
    assert calls[0].startswith('add local=<null> ') and 'password=""' in calls[0], calls
    assert 'user="" password=""' in calls[1], calls


# -- monitor cycle -----------------------------------------------------------------------------

class CycleRun:
    """netcheck in cycle mode: one monitor cycle each time `cycle` is called."""

    def __init__(self, host, records):
        folder = os.path.join(host.prefix, 'drive_c', 'monitor')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'records.txt'), 'w') as f:
            f.writelines('\t'.join(str(v) for v in record) + '\r\n' for record in records)
        self.proc = host.start_netcheck('cycle', 'C:\\monitor\\records.txt')
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        assert self._next().startswith('ready records='), 'netcheck did not start'

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip('\n'))
        self.lines.put(None)

    def _next(self):
        line = self.lines.get(timeout=60)
        assert line is not None, 'netcheck ended'
        return line

    def cycle(self):
        """Runs a cycle; returns (states by record number, drive calls, current record)."""
        self.proc.stdin.write('cycle\n')
        self.proc.stdin.flush()
        states, calls = {}, []
        while True:
            line = self._next()
            if line.startswith('end '):
                return states, calls, int(parse(line)['current'])
            if line.startswith('call '):
                calls.append(line)
            elif line.startswith('cycle='):
                fields = parse(line)
                states[int(fields['record'])] = (fields['On'], fields['FalseCount'],
                                                 fields['Maped'])

    def close(self):
        if self.proc.poll() is None:
            self.proc.stdin.close()
            try:
                self.proc.wait(timeout=30)
            except Exception:  # noqa: BLE001 - a hung tool is ended by its PID
                self.proc.kill()


def test_monitor_cycle_keeps_a_drive_connected_while_its_host_answers(host):
    host.serve_shares([('127.0.0.5', 'public', 'alice', 'secret'),
                       ('127.0.0.6', 'public', 'alice', 'secret')])
    echo = host.echo_filter
    run = CycleRun(host, [('127.0.0.5', 'public', 'M:', 'alice', 'secret', 1),
                          ('127.0.0.6', 'public', 'N:', 'alice', 'wrong', 5),
                          ('127.0.0.5', 'public', 'C:', 'alice', 'secret', 0)])
    try:
        sent5, sent6 = echo.echo_requests('127.0.0.5'), echo.echo_requests('127.0.0.6')
        states, _, current = run.cycle()
        assert states == {1: ('True', '0', 'True'), 2: ('True', '0', 'False'),
                          3: ('True', '0', 'False')}
        assert current == 3
        assert echo.echo_requests('127.0.0.5') - sent5 == 2
        assert echo.echo_requests('127.0.0.6') - sent6 == 1
        assert result(host.run_netcheck('path', 'M:'))['path'] == '\\\\127.0.0.5\\public'

        echo.silence('127.0.0.5')
        sent5 = echo.echo_requests('127.0.0.5')
        states, calls, _ = run.cycle()
        assert states[1] == ('False', '1', 'True') and states[3] == ('False', '1', 'False')
        assert echo.echo_requests('127.0.0.5') - sent5 == 8
        assert not any('cancel' in c for c in calls), calls

        states, calls, _ = run.cycle()  # the limit: M: is dropped, the local disk never
        assert states[1] == ('False', '1', 'False') and states[3] == ('False', '1', 'False')
        assert [c for c in calls if 'cancel' in c] == ['call cancel "M:" -> 0']
        assert result(host.run_netcheck('path', 'M:'))['path'] == ''

        echo.answer('127.0.0.5')
        states, _, _ = run.cycle()
        assert states[1] == ('True', '0', 'True') and states[2] == ('True', '0', 'False')

        states, calls, _ = run.cycle()  # connected to its share: asked, not touched
        assert states[1] == ('True', '0', 'True')
        assert [c for c in calls if '"M:"' in c] == ['call get "M:" -> 0']
    finally:
        echo.answer('127.0.0.5')
        run.close()
        host.run_netcheck('del', 'M:')
