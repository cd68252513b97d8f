#!/usr/bin/env python3
"""Writes the simulator's device profiles (.snmprec) and their write rules (.rules).

    gen_profiles.py [--out DIR]            corvane-a and corvane-b, into DIR (default: beside this file)
    gen_profiles.py --big-table ROWS OUT   OUT.snmprec and OUT.rules: one table of ROWS rows and five
                                           columns under 1.3.6.1.4.1.32473.99.1, for benchmarks

The chassis, interface, bridge and spanning-tree groups are written by hand below; every other
table of mibtables.py gets rows filled from its column syntaxes and enumerations.
"""
import argparse
import os
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mibtables import ENUMS, EXTRA_TABLES, TABLES  # noqa: E402

# Syntax code of a column -> BER tag of its value.
TAG = {0x01: 2, 0x02: 2, 0x03: 4, 0x04: 4, 0x05: 5, 0x06: 6, 0x40: 64, 0x41: 65, 0x42: 66,
       0x43: 67, 0x44: 4, 0x45: 64, 0x46: 70, 0x47: 65, 0x48: 4, 0x49: 4, 0x4a: 4, 0x4b: 4,
       0x4c: 4, 0x4d: 4, 0x4e: 4, 0x51: 4}
INT, OCTETS, OID, IPADDR, COUNTER, GAUGE, TICKS, COUNTER64 = 2, 4, 6, 64, 65, 66, 67, 70

ENTERPRISE = '1.3.6.1.4.1.32473'
EQUIP = ENTERPRISE + '.10.120.100.1.2'
STP = ENTERPRISE + '.10.120.100.2.2'


def arcs(oid):
    return tuple(int(x) for x in oid.split('.'))


def h(*parts):
    """A stable pseudo-random number from the given parts."""
    return zlib.crc32(repr(parts).encode())


class Profile:
    def __init__(self):
        self.objs = {}
        self.rules = {}
        self.claimed = set()  # tables and scalars written by hand

    def put(self, oid, tag, value):
        self.objs[arcs(oid) if isinstance(oid, str) else tuple(oid)] = (tag, value)

    def scalar(self, oid, tag, value, rule=None):
        self.claimed.add(oid)
        self.put(oid + '.0', tag, value)
        if rule is not None:
            self.rules[oid] = rule

    def table(self, entry, columns, rows):
        """columns: {column number: (tag, rule or None)}; rows: [(index text, {column: value})]."""
        self.claimed.add(entry)
        for index, values in rows:
            for col, value in values.items():
                self.put(f'{entry}.{col}.{index}', columns[col][0], value)
        for col, (tag, rule) in columns.items():
            if rule is not None:
                self.rules[f'{entry}.{col}'] = rule

    def write(self, base):
        with open(base + '.snmprec', 'w') as f:
            for key in sorted(self.objs):
                tag, value = self.objs[key]
                f.write('.'.join(map(str, key)) + '|' + encode(tag, value) + '\n')
        with open(base + '.rules', 'w') as f:
            f.write('# Write rules: OID KIND [type=TAG] [range=A..B,...] [size=A..B]\n')
            for oid in sorted(self.rules, key=arcs):
                f.write(f'{oid} {self.rules[oid]}\n')


def encode(tag, value):
    if tag == OCTETS:
        if isinstance(value, bytes):
            return '4x|' + value.hex()
        if all(32 <= ord(c) < 127 for c in value):
            return '4|' + value
        return '4x|' + value.encode().hex()
    return f'{tag}|{value}'


def rw(tag, enum=None, size=None):
    rule = f'rw type={tag}'
    if enum:
        rule += ' range=' + ','.join(str(v) for v, _ in enum)
    if size:
        rule += f' size={size[0]}..{size[1]}'
    return rule


def mac(*parts):
    n = h(*parts)
    return bytes([0x00, 0x1b, 0x73, (n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff])


def str_index(text, implied=False):
    chars = '.'.join(str(ord(c)) for c in text)
    return chars if implied else f'{len(text)}.{chars}'


# --- Chassis models --------------------------------------------------------------------------

# Line cards: per port (medium, kind) where kind is 'copper', 'fiber' or 'combo'.
def ports_of(model):
    copper = [('copper', 1000)] * 48
    sfp = [('fiber', 1000)] * 48
    return {
        'Corvane-LC1': copper,
        'Corvane-LC2': sfp,
        'Corvane-LC3': [('copper', 1000)] * 24 + [('fiber', 1000)] * 24,
        'Corvane-LC4': copper,
        'Corvane-LC6': [('fiber', 10000)] * 8,
        'Corvane-LC7': [('combo', 1000)] * 12 + [('fiber', 1000)] * 12 + [('fiber', 10000)] * 2,
        'Corvane-LC8': [('fiber', 10000)] * 16,
        'Corvane-LC9': sfp,
        'Corvane-LC10': [('combo', 1000)] * 12 + [('fiber', 1000)] * 12 + [('fiber', 10000)] * 2,
    }.get(model, [])


CHASSIS = {
    'corvane-a': dict(
        sysoid=ENTERPRISE + '.10.120.1', name='Corvane-A', descr='Corvane-A 4-slot chassis switch',
        slots=['Corvane-MC-A', 'Corvane-LC3', 'Corvane-LC8', 'Corvane-LC9'],
        # (exist, alive, type): exist 1 empty / 2 exist; alive 1 failed / 2 in-operation; 1 AC / 2 DC
        power=[(2, 2, 1), (2, 2, 1), (2, 1, 2), (1, 1, 3)],
        fan_state=2, fans=[3, 2, 3, 3],
        mgmt={1: dict(console=1, master=1, cpu=3, port=3, speed=3)}),
    'corvane-b': dict(
        sysoid=ENTERPRISE + '.10.120.2', name='Corvane-B', descr='Corvane-B 8-slot chassis switch',
        slots=['Corvane-MC-A', 'Corvane-MC-B', 'Corvane-LC7', 'Corvane-LC1', 'Corvane-LC6', 'N/A',
               'Corvane-LC4', 'Corvane-LC10'],
        power=[(2, 2, 1), (2, 2, 1), (2, 2, 2), (2, 1, 2), (2, 1, 1), (1, 1, 3), (1, 1, 3),
               (2, 2, 2)],
        fan_state=3, fans=[3, 3, 3, 3, 3, 3],
        mgmt={1: dict(console=1, master=1, cpu=4, port=3, speed=3),
              2: dict(console=2, master=2, cpu=1, port=2, speed=2)}),
}


class Port:
    def __init__(self, slot, num, medium, speed, bridge_port):
        self.slot, self.num, self.medium, self.speed = slot, num, medium, speed
        self.bridge_port = bridge_port
        self.ifindex = slot * 1000 + num
        self.name = f'{slot}/{num}'
        self.up = h('link', slot, num) % 3 != 0


def build_ports(model_slots):
    ports = []
    for slot, model in enumerate(model_slots, 1):
        for num, (medium, speed) in enumerate(ports_of(model), 1):
            ports.append(Port(slot, num, medium, speed, len(ports) + 1))
    return ports


def port_list(ports, members):
    octets = bytearray((len(ports) + 7) // 8)
    for p in members:
        octets[(p.bridge_port - 1) // 8] |= 0x80 >> ((p.bridge_port - 1) % 8)
    return bytes(octets)


# --- Hand-written groups ---------------------------------------------------------------------

def system_group(p, c):
    p.scalar('1.3.6.1.2.1.1.1', OCTETS, c['descr'] + ', firmware 4.2.7 (build 1184)')
    p.scalar('1.3.6.1.2.1.1.2', OID, c['sysoid'])
    p.scalar('1.3.6.1.2.1.1.3', TICKS, 8640000)
    p.scalar('1.3.6.1.2.1.1.4', OCTETS, 'noc@example.net', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.5', OCTETS, c['name'].lower() + '-lab', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.6', OCTETS, 'Lab rack 3', rw(OCTETS, size=(0, 255)))
    p.scalar('1.3.6.1.2.1.1.7', INT, 6)
    p.scalar('1.3.6.1.2.1.1.8', TICKS, 0)
    mods = [('1.3.6.1.6.3.1', 'The MIB module for SNMP entities'),
            ('1.3.6.1.2.1.31', 'The MIB module to describe generic objects for network interfaces'),
            ('1.3.6.1.2.1.17', 'The Bridge MIB module'),
            ('1.0.8802.1.1.2', 'The LLDP MIB module'),
            ('1.3.6.1.6.3.16.2.2.1', 'View-based Access Control Model for SNMP')]
    p.table('1.3.6.1.2.1.1.9.1', {2: (OID, None), 3: (OCTETS, None), 4: (TICKS, None)},
            [(str(i), {2: oid, 3: text, 4: 0}) for i, (oid, text) in enumerate(mods, 1)])


def equipment(p, c, ports):
    slots = c['slots']
    # Management modules: console, master, CPU load, management port status and speed.
    p.table(EQUIP + '.1.1.1', {k: (INT, None) for k in range(1, 7)},
            [(str(s), {1: s, 2: m['console'], 3: m['master'], 4: m['cpu'], 5: m['port'],
                       6: m['speed']}) for s, m in c['mgmt'].items()])
    # Power bays.
    rows = []
    for bay, (exist, alive, kind) in enumerate(c['power'], 1):
        on = exist == 2 and alive == 2
        rows.append((str(bay), {1: bay, 2: exist, 3: kind, 4: alive,
                                5: (48 if kind == 2 else 230) if on else 0,
                                6: 9 + bay % 3 if on else 0, 7: 450 + 10 * bay if on else 0,
                                8: 5200 + 40 * bay if on else 0}))
    p.table(EQUIP + '.2.1.1', {k: (INT, None) for k in range(1, 9)}, rows)
    # Fan tray and fans.
    p.scalar(EQUIP + '.3.1', INT, c['fan_state'])
    p.table(EQUIP + '.3.2.1', {1: (INT, None), 2: (INT, None), 3: (INT, None)},
            [(str(i), {1: i, 2: s, 3: 6100 + 150 * i if s == 3 else 0})
             for i, s in enumerate(c['fans'], 1)])
    # Slots (the module table the chassis view reads is this one's columns 1 and 4).
    rows = []
    for s, model in enumerate(slots, 1):
        empty = model == 'N/A'
        rows.append((str(s), {
            1: s, 2: 1 if empty else 5, 3: 2 if model == 'Corvane-LC4' else 1, 4: model,
            5: '' if empty else f'CVN{s:02d}{h(model, s) % 10**7:07d}',
            6: '' if empty else 'A2', 7: '' if empty else '1.04', 8: '' if empty else '2.1.3',
            9: '' if empty else '4.2.7', 10: '' if empty else '0x1c',
            11: bytes(6) if empty else mac('slot', s), 12: 0 if empty else 64}))
    cols = {k: (OCTETS, None) for k in range(4, 12)}
    cols.update({1: (INT, None), 2: (INT, None), 3: (INT, None), 12: (INT, None)})
    p.table(EQUIP + '.4.1.1', cols, rows)
    # Temperatures, as text in degrees Celsius.
    rows = [(str(s), {1: s, 2: str(31 + s % 4), 3: '70', 4: '60', 5: str(38 + s % 5), 6: '75',
                      7: '65', 8: str(44 + s % 3), 9: '80', 10: '70'})
            for s, model in enumerate(slots, 1) if model != 'N/A']
    cols = {k: (OCTETS, None) for k in range(2, 11)}
    cols[1] = (INT, None)
    p.table(EQUIP + '.5.1.1', cols, rows)
    # Port LEDs: one entry per port of every line card, named "Prt<slot>/<port>".
    statuses = [3, 5, 3, 1, 2, 4, 3, 5, 1]
    rows = []
    for i, port in enumerate(ports, 1):
        status = statuses[h('led', port.slot, port.num) % len(statuses)] if port.up else 1
        medium = 2 if port.medium == 'fiber' else 1
        if port.medium == 'combo' and port.num % 4 in (1, 2):
            medium = 2  # these combination ports use their fibre opening
        mode = 2 if slots[port.slot - 1] == 'Corvane-LC4' else 1
        rows.append((str(i), {1: i, 2: f'Prt{port.slot}/{port.num}', 3: status, 4: mode,
                              5: medium}))
    p.table(EQUIP + '.6.1.1', {1: (INT, None), 2: (OCTETS, None), 3: (INT, None),
                               4: (INT, None), 5: (INT, None)}, rows)
    # CPU, memory and flash utilisation.
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.1', INT, 17)
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.2', INT, 21)
    p.scalar(ENTERPRISE + '.10.120.100.1.1.1.1.3', INT, 19)
    units = list(c['mgmt'])
    p.table(ENTERPRISE + '.10.120.100.1.1.1.2.1', {k: (INT, None) for k in range(1, 5)},
            [(str(u), {1: u, 2: 2097152, 3: 812000 + 3000 * u, 4: 39}) for u in units])
    p.table(ENTERPRISE + '.10.120.100.1.1.1.3.1', {k: (INT, None) for k in range(1, 5)},
            [(str(u), {1: u, 2: 524288, 3: 190000 + 1000 * u, 4: 36}) for u in units])


def interfaces(p, c, ports):
    mgmt = [(1, 'mgmt0', 6, 100, True)]
    vlans = [(9000 + v, f'vlan{v}', 136, 1000, True) for v in (1, 10, 20)]
    rows, xrows = [], []
    every = [(pt.ifindex, f'Ethernet {pt.name}', 6, pt.speed, pt.up) for pt in ports]
    for ifindex, descr, iftype, speed, up in mgmt + every + vlans:
        n = h('if', ifindex)
        rows.append((str(ifindex), {
            1: ifindex, 2: descr, 3: iftype, 4: 1500 if iftype == 136 else 9216,
            5: min(speed * 1000000, 4294967295), 6: mac('if', ifindex), 7: 1 if up else 2,
            8: 1 if up else 2, 9: n % 500000, 10: n % 900000000 if up else 0,
            11: n % 3000000 if up else 0, 12: n % 20000, 13: n % 7, 14: n % 3, 15: 0,
            16: n % 800000000 if up else 0, 17: n % 2000000 if up else 0, 18: n % 10000,
            19: 0, 20: n % 2, 21: 0, 22: '0.0'}))
        xrows.append((str(ifindex), {
            1: descr.replace('Ethernet ', 'eth') if iftype == 6 else descr,
            2: n % 40000, 3: n % 90000, 4: n % 30000, 5: n % 50000,
            6: n * 131 % 10**12 if up else 0, 7: n * 7 % 10**9 if up else 0, 8: n % 40000,
            9: n % 90000, 10: n * 97 % 10**12 if up else 0, 11: n * 5 % 10**9 if up else 0,
            12: n % 30000, 13: n % 50000, 14: 1, 15: speed, 16: 1, 17: 1,
            18: '', 19: 0}))
    cols = {1: (INT, None), 2: (OCTETS, None), 3: (INT, None), 4: (INT, None),
            5: (GAUGE, None), 6: (OCTETS, None), 7: (INT, rw(INT, [(1, ''), (2, ''), (3, '')])),
            8: (INT, None), 9: (TICKS, None), 22: (OID, None)}
    for k in range(10, 22):
        cols[k] = (COUNTER, None) if k != 21 else (GAUGE, None)
    p.table('1.3.6.1.2.1.2.2.1', cols, rows)
    p.scalar('1.3.6.1.2.1.2.1', INT, len(rows))
    xcols = {1: (OCTETS, None), 14: (INT, rw(INT, [(1, ''), (2, '')])), 15: (GAUGE, None),
             16: (INT, None), 17: (INT, None), 18: (OCTETS, rw(OCTETS, size=(0, 64))),
             19: (TICKS, None)}
    for k in range(2, 6):
        xcols[k] = (COUNTER, None)
    for k in range(6, 14):
        xcols[k] = (COUNTER64, None)
    p.table('1.3.6.1.2.1.31.1.1.1', xcols, xrows)


def bridge(p, c, ports):
    p.scalar('1.3.6.1.2.1.17.1.1', OCTETS, mac('bridge', c['name']))
    p.scalar('1.3.6.1.2.1.17.1.2', INT, len(ports))
    p.scalar('1.3.6.1.2.1.17.1.3', INT, 2)
    p.table('1.3.6.1.2.1.17.1.4.1', {1: (INT, None), 2: (INT, None), 3: (OID, None),
                                     4: (COUNTER, None), 5: (COUNTER, None)},
            [(str(pt.bridge_port), {1: pt.bridge_port, 2: pt.ifindex, 3: '0.0', 4: 0, 5: 0})
             for pt in ports])
    # VLANs 1, 10, 20 and 30 with their member ports.
    vlans = {1: ('default', ports, ports), 10: ('servers', ports[:12], ports[4:12]),
             20: ('voice', ports[12:30], ports[12:30]), 30: ('storage', ports[-10:], [])}
    p.table('1.3.6.1.2.1.17.7.1.4.3.1',
            {1: (OCTETS, rw(OCTETS, size=(0, 32))), 2: (OCTETS, rw(OCTETS)), 3: (OCTETS, rw(OCTETS)),
             4: (OCTETS, rw(OCTETS)), 5: (INT, 'rowstatus')},
            [(str(v), {1: name, 2: port_list(ports, eg), 3: port_list(ports, []),
                       4: port_list(ports, un), 5: 1}) for v, (name, eg, un) in vlans.items()])
    p.table('1.3.6.1.2.1.17.7.1.4.2.1', {3: (GAUGE, None), 4: (OCTETS, None), 5: (OCTETS, None),
                                         6: (INT, None), 7: (TICKS, None)},
            [(f'0.{v}', {3: v, 4: port_list(ports, eg), 5: port_list(ports, un), 6: 2, 7: 0})
             for v, (name, eg, un) in vlans.items()])
    p.table('1.3.6.1.2.1.17.7.1.4.5.1',
            {1: (GAUGE, rw(GAUGE)), 2: (INT, rw(INT, [(1, ''), (2, '')])),
             3: (INT, rw(INT, [(1, ''), (2, '')])), 4: (INT, rw(INT, [(1, ''), (2, '')])),
             5: (COUNTER, None), 6: (OCTETS, None), 7: (INT, rw(INT, [(1, ''), (2, '')]))},
            [(str(pt.bridge_port), {1: 10 if pt in vlans[10][2] else 1, 2: 1, 3: 2, 4: 2, 5: 0,
                                    6: bytes(6), 7: 2}) for pt in ports])
    p.scalar('1.3.6.1.2.1.17.7.1.1.1', INT, 2)
    p.scalar('1.3.6.1.2.1.17.7.1.1.2', INT, 4094)
    p.scalar('1.3.6.1.2.1.17.7.1.1.3', GAUGE, 4094)
    p.scalar('1.3.6.1.2.1.17.7.1.1.4', GAUGE, len(vlans))
    p.scalar('1.3.6.1.2.1.17.7.1.1.5', INT, 2, rw(INT, [(1, ''), (2, '')]))
    # Learned addresses of the filtering databases.
    rows = []
    for i, pt in enumerate(ports[:24]):
        fdb = 1 if i % 3 else 10
        m = mac('fdb', i)
        rows.append((f'{fdb}.' + '.'.join(str(b) for b in m), {2: pt.bridge_port, 3: 3}))
    p.table('1.3.6.1.2.1.17.7.1.2.2.1', {2: (INT, None), 3: (INT, None)}, rows)
    p.table('1.3.6.1.2.1.17.7.1.2.1.1', {2: (COUNTER, None)},
            [('1', {2: 16}), ('10', {2: 8})])


def spanning_tree(p, c, ports):
    on = rw(INT, [(2, ''), (3, '')])
    p.scalar(STP + '.1.1', INT, 3, on)
    p.scalar(STP + '.1.2', INT, 1, rw(INT, [(0, ''), (1, ''), (2, '')]))
    p.scalar(STP + '.1.3', INT, 2000, rw(INT))
    p.scalar(STP + '.1.4', INT, 200, rw(INT))
    p.scalar(STP + '.1.5', INT, 1500, rw(INT))
    p.scalar(STP + '.1.6', INT, 20, rw(INT))
    p.scalar(STP + '.1.7', INT, 6, rw(INT))
    p.scalar(STP + '.2.1', OCTETS, c['name'].lower() + '-region', rw(OCTETS, size=(0, 32)))
    p.scalar(STP + '.2.2', INT, 0, rw(INT))
    bridge_id = bytes([0x80, 0x00]) + mac('bridge', c['name'])
    vmap = [bytes(64)] * 8
    cols = {1: (INT, None), 10: (INT, None), 12: (INT, rw(INT)), 13: (OCTETS, None),
            14: (INT, None), 15: (OCTETS, None), 16: (INT, None), 17: (OCTETS, None),
            18: (INT, None), 19: (INT, None), 20: (INT, None), 21: (TICKS, None),
            22: (COUNTER, None), 23: (INT, None), 24: (INT, 'rowstatus')}
    for k in range(2, 10):
        cols[k] = (OCTETS, rw(OCTETS, size=(64, 64)))
    rows = []
    for inst, vids in ((0, ()), (1, (10, 20)), (2, (30,))):
        bitmaps = [bytearray(b) for b in vmap]
        for v in vids:
            bitmaps[(v - 1) // 512][((v - 1) % 512) // 8] |= 0x80 >> ((v - 1) % 8)
        row = {1: inst, 10: 0 if inst == 0 else 1, 12: 32768, 13: bridge_id, 14: 0,
               15: bridge_id, 16: 0, 17: bridge_id, 18: 0, 19: 2000, 20: 1500, 21: 360000,
               22: 3 + inst, 23: 20, 24: 1}
        for k in range(8):
            row[k + 2] = bytes(bitmaps[k])
        rows.append((str(inst), row))
    p.table(STP + '.2.3.1', cols, rows)
    tf = rw(INT, [(1, ''), (2, '')])
    p.table(STP + '.2.4.1',
            {1: (INT, None), 2: (INT, rw(INT)), 3: (INT, None), 4: (INT, tf), 5: (INT, rw(INT)),
             6: (INT, tf), 7: (INT, rw(INT, [(1, ''), (3, '')])), 8: (INT, None),
             9: (INT, rw(INT, [(0, ''), (1, ''), (2, '')])), 10: (INT, None), 13: (INT, tf),
             14: (INT, tf)},
            [(str(pt.bridge_port), {1: pt.bridge_port, 2: 200, 3: 200, 4: 1, 5: 20000, 6: 2,
                                    7: 3, 8: 2, 9: 2, 10: 0, 13: 2, 14: 2}) for pt in ports])
    states = [5, 5, 5, 2, 4]
    p.table(STP + '.2.2.5.1',
            {1: (INT, None), 2: (INT, None), 3: (OCTETS, None), 4: (INT, rw(INT)),
             5: (INT, rw(INT)), 6: (INT, None), 7: (INT, None)},
            [(f'{pt.bridge_port}.{inst}', {1: pt.bridge_port, 2: inst, 3: bridge_id,
                                           4: 20000, 5: 128,
                                           6: states[h(pt.num, inst) % 5] if pt.up else 1,
                                           7: 2 if pt.up else 0})
             for pt in ports[:16] for inst in (0, 1, 2)])


# Coded columns of the extra tables.
ENUMS = dict(ENUMS)
ENUMS.update({
    '1.3.6.1.2.1.17.7.1.5.1.1.4': [(1, 'active'), (4, 'createAndGo'), (6, 'destroy')],
    '1.0.8802.1.1.2.1.1.6.1.2': [(1, 'txOnly'), (2, 'rxOnly'), (3, 'txAndrx'), (4, 'disabled')],
    '1.0.8802.1.1.2.1.1.6.1.3': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.5.32962.1.1.4.1.1': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.5.32962.1.1.3.1.1': [(1, 'true'), (2, 'false')],
    '1.0.8802.1.1.2.1.3.1': [(4, 'macAddress')],
    '1.0.8802.1.1.2.1.4.1.1.4': [(4, 'macAddress')],
    '1.0.8802.1.1.2.1.4.1.1.6': [(5, 'interfaceName')],
})


# --- Catalogue tables filled from their column syntaxes ---------------------------------------

PORT_WORDS = ('port', 'if index', 'interface index', 'ifindex', 'data source')
ROW_WORDS = {'createAndGo', 'createAndWait', 'destroy', 'notReady', 'createRequest',
             'underCreation', 'invalid'}


def is_port_index(caption):
    c = caption.strip().lower()
    return any(w in c for w in PORT_WORDS) and 'priority' not in c


def index_values(name, caption, syntax, ports, nrows):
    """Values of one index column: (index arcs text, value for a readable copy)."""
    cap = caption.strip().lower()
    if syntax in (0x02, 0x42) and is_port_index(caption):
        if 'if' in cap or 'interface' in cap:
            return [(str(pt.ifindex), pt.ifindex) for pt in ports[:nrows]]
        return [(str(pt.bridge_port), pt.bridge_port) for pt in ports[:nrows]]
    if syntax == 0x43:  # time marks
        return [('0', 0)] * nrows
    if syntax in (0x02, 0x42):
        if 'priority' in cap:
            return [(str(i), i) for i in range(nrows)]
        if 'version' in cap:  # IPv4 and IPv6
            return [(str(i % 2 + 1), i % 2 + 1) for i in range(nrows)]
        if 'address type' in cap or cap in ('type', 'subtype'):
            return [('1', 1)] * nrows
        if 'length' in cap:
            return [('24', 24)] * nrows
        if 'instance' in cap or 'tos' in cap:
            return [(str(i), i) for i in range(nrows)]
        return [(str(i + 1), i + 1) for i in range(nrows)]
    if syntax in (0x40, 0x45):
        return [(f'10.{h(name) % 200 + 1}.{i}.1', f'10.{h(name) % 200 + 1}.{i}.1')
                for i in range(nrows)]
    if syntax == 0x51:
        return [(f'4.10.{h(name) % 200 + 1}.{i}.1', bytes([10, h(name) % 200 + 1, i, 1]))
                for i in range(nrows)]
    if syntax == 0x49:
        return [('.'.join(str(b) for b in mac(name, i)), mac(name, i)) for i in range(nrows)]
    if syntax == 0x06:  # short OIDs from zeroDotZero on, as route policies usually are
        return [(f'2.0.{i}', f'0.{i}') for i in range(nrows)]
    if syntax == 0x4d:  # IPv6 addresses as 16 sub-identifiers, without a length
        addrs = [bytes([0xfe, 0x80] + [0] * 12 + [h(name) % 200 + 1, i + 1]) for i in range(nrows)]
        return [('.'.join(str(b) for b in a), a) for a in addrs]
    if syntax == 0x4c:
        word = 'admin' if 'owner' in cap or 'user' in cap or 'group' in cap else \
            cap.split()[0] if cap else 'row'
        return [(None, f'{word}-{i + 1}' if 'owner' not in cap else 'admin') for i in range(nrows)]
    if 'protocol' in cap:  # ethertypes: IPv4, ARP, IPv6
        return [(None, bytes(t)) for t in ([0x08, 0x00], [0x08, 0x06], [0x86, 0xdd])[:nrows]]
    # other octet strings
    return [(None, bytes([0x80, 0x00, 0x7e, 0x99, i + 1])) for i in range(nrows)]


def column_value(table, caption, syntax, enum, r, pos, ports, row_port, profile_name):
    cap = caption.strip().lower()
    n = h(table, caption, r, pos)
    if enum:
        values = [v for v, w in enum if w not in ROW_WORDS]
        if any(w in ROW_WORDS for _, w in enum):
            return values[0] if values else enum[0][0]
        return values[(r + pos) % len(values)]
    if syntax in (0x02, 0x01):
        if 'priority' in cap:
            return 32768 if 'system' in cap else 128
        if 'port' in cap and row_port is not None:
            return row_port.bridge_port
        if 'if' in cap.split() or 'interface' in cap:
            return row_port.ifindex if row_port is not None else ports[r % len(ports)].ifindex
        if any(w in cap for w in ('time', 'interval', 'timeout', 'period', 'delay')):
            return 30
        if 'metric' in cap or 'cost' in cap:
            return 10 * (r + 1)
        if 'utilization' in cap:
            return n % 60
        return n % 100
    if syntax in (0x41, 0x47):
        return n % 2000000000
    if syntax == 0x42:
        if 'mtu' in cap or 'size' in cap or 'length' in cap:
            return 1500
        if 'speed' in cap:
            return 1000
        if 'label' in cap:
            return 16 + n % 100000
        return n % 1000
    if syntax == 0x43:
        return n % 100000000
    if syntax == 0x46:
        return n % 10**13
    if syntax in (0x40, 0x45):
        return f'10.{n % 250}.{r}.{1 + pos % 250}'
    if syntax == 0x51:
        return bytes([10, n % 250, r % 250, 1])
    if syntax == 0x49:
        return mac(table, caption, r)
    if syntax == 0x4a:
        return bytes([0x07, 0xe8, 5, 1 + r % 28, 12, pos % 60, 0, 0, 0x2b, 0, 0])
    if syntax == 0x4d:
        return bytes([0x20, 0x01, 0x0d, 0xb8] + [0] * 11 + [r + 1])
    if syntax == 0x06:
        if 'data source' in cap:
            return f'1.3.6.1.2.1.2.2.1.1.{ports[r % len(ports)].ifindex}'
        if 'tdomain' in cap:
            return '1.3.6.1.6.1.1'
        if 'authentication' in cap:
            return '1.3.6.1.6.3.10.1.1.3'
        if 'privacy' in cap:
            return '1.3.6.1.6.3.10.1.2.4'
        return '0.0'
    if syntax == 0x4c:
        if 'version' in cap or 'revision' in cap:
            return '4.2.7'
        if 'serial' in cap:
            return f'CVN{n % 10**8:08d}'
        if 'manufacturer' in cap or 'vendor' in cap:
            return 'Varden'
        if 'model' in cap:
            return profile_name
        if 'owner' in cap:
            return 'admin'
        return f'{caption.strip()} {r + 1}'[:32]
    if syntax in (0x03, 0x4e):
        if 'port' in cap:
            return port_list(ports, ports[r:r + 8])
        return bytes([0xf0])
    # octet strings
    if 'bridge' in cap or 'root' in cap:
        return bytes([0x80, 0x00]) + mac('bridge', profile_name)
    if 'engine' in cap:
        return bytes([0x80, 0x00, 0x7e, 0x99, 0x03]) + mac('engine', profile_name)
    if 'tlv' in cap or 'capabilit' in cap:
        return bytes([0xf0])
    return bytes([(n >> s) & 0xff for s in (24, 16, 8, 0)])


def rule_for(column_oid, caption, syntax, enum):
    tag = TAG[syntax]
    words = {w for _, w in enum} if enum else set()
    if enum and {'createAndGo', 'destroy'} <= words:
        return 'rowstatus'
    if enum and {'valid', 'invalid'} <= words:
        return 'entrystatus'
    if tag == OCTETS and syntax in (0x4c,):
        return rw(tag, enum, size=(0, 255))
    if syntax == 0x49:
        return rw(tag, size=(6, 6))
    return rw(tag, enum)


def catalogue(p, c, ports, profile_name):
    for name, base, kind, nidx, cols in TABLES + EXTRA_TABLES:
        if any(base == x or base.startswith(x + '.') for x in p.claimed):
            continue
        if kind in (0, 1):
            for pos, (oid, caption, syntax, flags) in enumerate(cols):
                if oid is None or oid in p.claimed or any(oid.startswith(x + '.') for x in p.claimed):
                    continue
                enum = ENUMS.get(oid)
                p.put(oid + '.0', TAG[syntax],
                      column_value(name, caption, syntax, enum, 0, pos, ports, None, c['name']))
                if flags & 0x04:
                    p.rules[oid] = rule_for(oid, caption, syntax, enum)
            continue
        index_cols = cols[:nidx]
        port_first = index_cols and is_port_index(index_cols[0][1]) and \
            index_cols[0][2] in (0x02, 0x42)
        nrows = len(ports) if port_first and nidx == 1 else 4 if port_first else 3
        per_col = [index_values(base, cap, syn, ports, nrows) for _, cap, syn, _ in index_cols]
        for r in range(nrows):
            parts = []
            for i, (oid, cap, syn, flags) in enumerate(index_cols):
                text, value = per_col[i][r]
                if text is None:
                    raw = value.encode() if isinstance(value, str) else value
                    implied = flags & 0x40 and i == nidx - 1
                    body = '.'.join(str(b) for b in raw)
                    text = body if implied else f'{len(raw)}.{body}'
                parts.append(text)
            index = '.'.join(parts)
            row_port = ports[r] if port_first and r < len(ports) else None
            for pos, (oid, caption, syntax, flags) in enumerate(cols):
                if oid is None:
                    continue
                if pos < nidx:
                    if not oid.startswith(base + '.'):
                        continue  # an index that belongs to another table
                    value = per_col[pos][r][1]
                else:
                    value = column_value(name, caption, syntax, ENUMS.get(oid), r, pos, ports,
                                         row_port, c['name'])
                p.put(f'{oid}.{index}', TAG[syntax], value)
        for oid, caption, syntax, flags in cols[nidx:]:
            if oid is not None and flags & 0x04:
                p.rules[oid] = rule_for(oid, caption, syntax, ENUMS.get(oid))


def build(profile_name):
    c = CHASSIS[profile_name]
    ports = build_ports(c['slots'])
    p = Profile()
    system_group(p, c)
    equipment(p, c, ports)
    interfaces(p, c, ports)
    bridge(p, c, ports)
    spanning_tree(p, c, ports)
    catalogue(p, c, ports, c['name'])
    return p


def big_table(rows, out):
    p = Profile()
    p.scalar('1.3.6.1.2.1.1.1', OCTETS, f'Corvane benchmark table of {rows} rows')
    p.scalar('1.3.6.1.2.1.1.2', OID, ENTERPRISE + '.99')
    p.scalar('1.3.6.1.2.1.1.5', OCTETS, 'bench', rw(OCTETS, size=(0, 255)))
    entry = ENTERPRISE + '.99.1.1'
    p.table(entry, {1: (INT, None), 2: (OCTETS, rw(OCTETS, size=(0, 64))), 3: (COUNTER, None),
                    4: (GAUGE, rw(GAUGE)), 5: (INT, 'rowstatus')},
            [(str(i), {1: i, 2: f'row-{i}', 3: h(i) % 10**9, 4: i % 1000, 5: 1})
             for i in range(1, rows + 1)])
    p.write(out)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=os.path.dirname(os.path.abspath(__file__)))
    ap.add_argument('--big-table', nargs=2, metavar=('ROWS', 'OUT'))
    args = ap.parse_args()
    if args.big_table:
        big_table(int(args.big_table[0]), args.big_table[1])
        return
    for name in CHASSIS:
        build(name).write(os.path.join(args.out, name))


if __name__ == '__main__':
    main()
