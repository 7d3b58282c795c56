"""Settings file and grid under Wine: first start, a prepared list in the grid, Ok's file, a
read-only file on Exit."""
import os
import subprocess
import time

from test_main_window import show_from_tray, wait_exit

KEY = 0x1F
MARKER = b'\xb6'


def scramble(value: bytes) -> bytes:
    """How the store writes a value: plain up to one byte, else marker + XOR with the key."""
    if len(value) <= 1:
        return value
    return MARKER + bytes(b ^ KEY for b in value)


def ini_bytes(entries):
    return b''.join(name.encode() + b'=' + value + b'\r\n' for name, value in entries)


def start(host, folder, ini=None):
    path = host.install_program(folder)
    if ini is not None:
        with open(os.path.join(path, 'Vardeko.ini'), 'wb') as f:
            f.write(ini)
    proc = host.start_program(path)
    host.run_driver('find', 'TForm1', 'Vardeko', '20000')
    show_from_tray(host)
    return path, proc


def grid(host):
    lines = host.run_driver('grid', 'TForm1', 'Vardeko')
    titles = lines[0].split('|')[1:]
    rows = [line.split('|')[1:] for line in lines if line.startswith('row')]
    focused = int(lines[-1].split('=')[1])
    return titles, rows, focused


def test_first_start_creates_an_empty_settings_file_and_shows_an_empty_grid(host):
    path, proc = start(host, 'firststart')
    try:
        ini = os.path.join(path, 'Vardeko.ini')
        assert os.path.isfile(ini) and os.path.getsize(ini) == 0
        titles, rows, focused = grid(host)
        assert titles == ['Host Name', 'On', '.', 'Drive', 'Universal Name Connection', 'Maped']
        assert rows == [] and focused == -1
    finally:
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)


def test_prepared_list_shows_in_the_grid_a_click_moves_the_cursor_and_ok_writes_the_file(host):
    # Plain values read as they stand; the second record's MaxPing is missing (reads as 5).
    prepared = ini_bytes([
        ('Unknown', b'kept in place'),
        ('DriveCount', b'2'),
        ('HostName0', b'fileserver'), ('UserName0', b'alice'), ('Password0', b'secret'),
        ('UNC0', b'public'), ('Drive0', b'M:'), ('MaxPing0', b'3'),
        ('HostName1', b'127.0.0.9'), ('UNC1', b'backup\\daily'), ('Drive1', b'N:'),
    ])
    path, proc = start(host, 'prepared', prepared)
    try:
        _, rows, focused = grid(host)
        assert rows == [['fileserver', '', '0', 'M:', 'public', ''],
                        ['127.0.0.9', '', '0', 'N:', 'backup\\daily', '']], rows
        assert focused == 1, 'after loading, the last record is current'

        host.run_driver('click-cell', 'TForm1', 'Vardeko', '0', '1')
        for _ in range(100):
            if grid(host)[2] == 0:
                break
            time.sleep(0.05)
        assert grid(host)[2] == 0

        host.run_driver('click', 'TForm1', 'Vardeko', '&Ok')
        host.run_driver('wait-hidden', 'TForm1', 'Vardeko', '10000')
        with open(os.path.join(path, 'Vardeko.ini'), 'rb') as f:
            written = f.read()
        url = b'http://www.vardeko.com/download/Vardeko/Vardeko.inf'
        expected = ini_bytes([
            ('Unknown', b'kept in place'),
            ('DriveCount', b'2'),
            ('UpGradeURL', scramble(url)),
            ('HostName0', scramble(b'fileserver')), ('UserName0', scramble(b'alice')),
            ('Password0', scramble(b'secret')), ('UNC0', scramble(b'public')),
            ('Drive0', scramble(b'M:')), ('MaxPing0', b'3'),
            ('HostName1', scramble(b'127.0.0.9')), ('UserName1', b''), ('Password1', b''),
            ('UNC1', scramble(b'backup\\daily')), ('Drive1', scramble(b'N:')), ('MaxPing1', b'5'),
        ])
        assert written == expected, written
    finally:
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)


def test_exit_with_a_read_only_settings_file_shows_the_error_and_keeps_running(host):
    prepared = ini_bytes([('DriveCount', b'1'), ('HostName0', b'fileserver')])
    path, proc = start(host, 'readonly', prepared)
    ini = os.path.join(path, 'Vardeko.ini')
    subprocess.run(['chattr', '+i', ini], check=True)
    try:
        host.run_driver('click', 'TForm1', 'Vardeko', 'E&xit')
        lines = host.run_driver('find', '#32770', 'Vardeko', '10000')
        assert any('text="Cannot' in l or 'text="Can' in l for l in lines), lines
        host.run_driver('click', '#32770', 'Vardeko', 'OK')
        host.run_driver('wait-gone', '#32770', 'Vardeko', '10000')
        assert proc.poll() is None, 'a failed save must not end the program'
        form = host.run_driver('find', 'TForm1', 'Vardeko', '1000')[0]
        assert 'visible=1' in form, form
        _, rows, _ = grid(host)
        assert [r[0] for r in rows] == ['fileserver']
        with open(ini, 'rb') as f:
            assert f.read() == prepared
    finally:
        subprocess.run(['chattr', '-i', ini], check=True)
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)
