"""Desktop integration under Wine: the tray icon and its menu, run at start-up, one instance, the
about box and the title-bar buttons, on the real Vardeko.exe and Wine's own tray."""
import subprocess
import time

from test_main_window import parse, wait_exit

RUN_KEY = r'HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
INSTANCE_KEY = r'HKCR\TacOnlyOne'
INFO_BOX_KEY = r'HKCU\Software\CompanyName\ProgramName\InfoBox'
TOOLTIP = 'Vardeko Version 2.0.6'
NOTICE = 'Keeps your network drives connected.'
# Keys that choose each tray menu item: "About" has no accelerator.
MENU_KEYS = {'About': 'down,return', '&Setting': 's', 'E&xit': 'x'}


# -- registry ---------------------------------------------------------------------------------

def reg_value(host, key, name):
    """The value's data as `wine reg query` prints it (32-bit view), or None when it is missing."""
    done = subprocess.run(['wine', 'reg', 'query', key, '/v', name, '/reg:32'], env=host.env,
                          capture_output=True, text=True)
    for line in done.stdout.splitlines():
        fields = line.strip().split(None, 2)
        if len(fields) >= 2 and fields[0].lower() == name.lower():
            return fields[2] if len(fields) == 3 else ''
    return None


def reg_delete(host, key, name):
    subprocess.run(['wine', 'reg', 'delete', key, '/v', name, '/f', '/reg:32'], env=host.env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def reg_add_dword(host, key, name, number):
    subprocess.run(['wine', 'reg', 'add', key, '/v', name, '/t', 'REG_DWORD', '/d', str(number),
                    '/f', '/reg:32'], env=host.env, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def run_command(host, folder):
    return f'"{host.windows_path(folder)}\\Vardeko.exe" /autorun'


# -- the program ------------------------------------------------------------------------------

def wait_until(what, predicate, timeout=20):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f'gave up waiting for {what}')
        time.sleep(0.1)


def tray_icons(host):
    return int(host.run_driver('tray-count')[0].split('=')[1])


def wait_tray_icons(host, count):
    host.run_driver('tray-wait', str(count), '20000')


def main_window(host):
    return parse(host.run_driver('find', 'TForm1', 'Vardeko', '20000')[0])


def wait_shown(host):
    wait_until('the main window to show', lambda: main_window(host)['visible'] == '1')


def window_handle(host, window_class, title=''):
    return int(parse(host.run_driver('find', window_class, title, '5000')[0])['window'], 16)


def choose(host, item):
    """Right-clicks the tray icon and chooses a tray menu item; returns once the menu closed."""
    host.run_driver('tray-click', '0', 'right')
    host.run_driver('menu-keys', MENU_KEYS[item], '10000')
    host.run_driver('menu-gone', '10000')


def start(host, folder):
    """Starts the program from a fresh folder; returns (folder, process) once its icon shows."""
    path = host.install_program(folder)
    proc = host.start_program(path)
    wait_tray_icons(host, 1)
    return path, proc


def end(host, proc):
    """Ends the program through "E&xit": from the tray menu when hidden, else the button."""
    if proc.poll() is None:
        if main_window(host)['visible'] == '1':
            host.run_driver('click', 'TForm1', 'Vardeko', 'E&xit')
        else:
            choose(host, 'E&xit')
    return wait_exit(proc)


# -- tests ------------------------------------------------------------------------------------

def test_desktop_first_start_shows_only_a_tray_icon_and_leaves_its_traces(host):
    reg_delete(host, RUN_KEY, 'Vardeko')
    path, proc = start(host, 'desktop-first')
    try:
        assert main_window(host)['visible'] == '0'
        assert tray_icons(host) == 1
        wait_until('the tooltip', lambda: host.run_driver('tray-tip', '0')[0] == f'tip={TOOLTIP}')
        command = wait_until('the Run value', lambda: reg_value(host, RUN_KEY, 'Vardeko'))
        assert command.lower() == run_command(host, path).lower(), command
        # The published handle is the hidden message window's.
        published = int(reg_value(host, INSTANCE_KEY, 'Vardeko'), 16)
        assert published == window_handle(host, 'TacSimpleMessageHook')
    finally:
        assert end(host, proc) == 0
    assert tray_icons(host) == 0, 'the icon goes with the program'
    assert reg_value(host, INSTANCE_KEY, 'Vardeko') is None, 'the first releases its handle value'
    assert reg_value(host, RUN_KEY, 'Vardeko') is not None, 'the Run entry stays'


def test_desktop_second_start_ends_at_once_and_the_first_stays_in_the_tray(host):
    first_path, first = start(host, 'desktop-one')
    try:
        wait_until('the Run value', lambda: reg_value(host, RUN_KEY, 'Vardeko'))
        published = reg_value(host, INSTANCE_KEY, 'Vardeko')
        reg_delete(host, RUN_KEY, 'Vardeko')

        second_path = host.install_program('desktop-two')
        second = host.start_program(second_path)
        assert wait_exit(second) == 0
        # The second ran its start-up to the end: it switched run-at-start-up on again.
        command = reg_value(host, RUN_KEY, 'Vardeko')
        assert command is not None and command.lower() == run_command(host, second_path).lower()

        assert first.poll() is None, 'the first instance keeps running'
        assert main_window(host)['visible'] == '0'
        wait_tray_icons(host, 1)
        assert reg_value(host, INSTANCE_KEY, 'Vardeko') == published
        windows = [parse(l) for l in host.run_driver('list')]
        assert sum(w['class'] == 'TForm1' for w in windows) == 1
    finally:
        assert end(host, first) == 0


def test_desktop_restore_by_menu_or_double_click_hide_by_ok_or_title_bar_button(host):
    _, proc = start(host, 'desktop-restore')
    try:
        for restore, hide in (('&Setting', '&Ok'), ('double-click', 'title-bar button')):
            if restore == 'double-click':
                host.run_driver('tray-click', '0', 'double')
            else:
                choose(host, restore)
            wait_shown(host)
            wait_tray_icons(host, 0)

            if hide == '&Ok':
                host.run_driver('click', 'TForm1', 'Vardeko', '&Ok')
            else:
                host.run_driver('caption-click', 'TForm1', 'Vardeko', '0')
            host.run_driver('wait-hidden', 'TForm1', 'Vardeko', '10000')
            wait_tray_icons(host, 1)
        # A single left click does nothing.
        host.run_driver('tray-click', '0', 'left')
        host.run_driver('sync', 'TacSimpleMessageHook')
        assert main_window(host)['visible'] == '0'
    finally:
        assert end(host, proc) == 0


def test_desktop_title_bar_buttons_and_the_run_at_start_up_toggle(host):
    path, proc = start(host, 'desktop-caption')
    try:
        wait_until('the Run value', lambda: reg_value(host, RUN_KEY, 'Vardeko'))
        choose(host, '&Setting')
        wait_shown(host)
        lines = host.run_driver('caption-buttons', 'TForm1', 'Vardeko')
        assert lines[-1] == 'buttons=3', lines

        host.run_driver('caption-click', 'TForm1', 'Vardeko', '1')
        wait_until('the entry to go', lambda: reg_value(host, RUN_KEY, 'Vardeko') is None)
        host.run_driver('caption-click', 'TForm1', 'Vardeko', '1')
        command = wait_until('the entry to come back', lambda: reg_value(host, RUN_KEY, 'Vardeko'))
        assert command.lower() == run_command(host, path).lower()
        assert main_window(host)['visible'] == '1', 'the run-at-start-up button does not hide'
    finally:
        assert end(host, proc) == 0


def test_desktop_a_new_taskbar_gets_the_icon_back_only_while_hidden(host):
    _, proc = start(host, 'desktop-taskbar')
    try:
        # The shell forgets the icon, as a restarted shell would, then announces its taskbar.
        host.run_driver('tray-delete', 'VardekoTrayIcon', '1')
        wait_tray_icons(host, 0)
        host.run_driver('taskbar-created')
        wait_tray_icons(host, 1)
        wait_until('the tooltip', lambda: host.run_driver('tray-tip', '0')[0] == f'tip={TOOLTIP}')

        choose(host, '&Setting')
        wait_shown(host)
        host.run_driver('taskbar-created')  # returns once every window has handled it
        assert tray_icons(host) == 0
    finally:
        assert end(host, proc) == 0


def about_boxes(host):
    return [w for w in (parse(l) for l in host.run_driver('list'))
            if w['class'] == '#32770' and w['text'] == 'About']


def test_desktop_about_box_shows_three_lines_once_and_nothing_while_suppressed(host):
    reg_delete(host, INFO_BOX_KEY, 'Dlg1')
    _, proc = start(host, 'desktop-about')
    try:
        choose(host, 'About')
        lines = host.run_driver('find', '#32770', 'About', '10000')
        controls = [parse(l) for l in lines[1:]]
        texts = [c['text'] for c in controls if c['class'] == 'Static' and c['text']]
        assert texts == ['Vardeko', 'Version 2.0.6', NOTICE], texts
        assert [c['text'] for c in controls if c['class'] == 'Button'] == ['OK']

        # "About" again while the box is open: the tray still answers, but no second box comes.
        choose(host, 'About')
        host.run_driver('sync', 'TacSimpleMessageHook')
        assert len(about_boxes(host)) == 1

        host.run_driver('key', '#32770', 'About', 'escape')
        host.run_driver('wait-gone', '#32770', 'About', '10000')

        reg_add_dword(host, INFO_BOX_KEY, 'Dlg1', 1)
        choose(host, 'About')
        # The handler has run to its end once the program's thread answers again.
        host.run_driver('sync', 'TacSimpleMessageHook')
        assert about_boxes(host) == []
    finally:
        reg_delete(host, INFO_BOX_KEY, 'Dlg1')
        assert end(host, proc) == 0
