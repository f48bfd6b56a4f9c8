"""A character in play: its commands, its fights and what the client's
displays are sent for them.

Every command builds one reply (output.Output) that ends with the prompt.
After each reply the gauges, group, icons, experience, exits, area, sky and
situation buttons are compared with what the client last got (status.Status)
and only changes are sent. A fight runs a round at once and then one every
ROUND_SECONDS from a task of its own, each round one reply.
"""

import asyncio
import re
import textwrap
import time

import tags
import wire
import world_data as data
import world_texts as texts
from ansi import CLEAR_SCREEN, CYAN, GREEN, PURPLE, WHITE, YELLOW, paint
from automap import JUMP, NO_TRANSITION
from combat import Fight
from output import PROMPT, Output
from status import Status

ROUND_SECONDS = 1.0
SKY_STEP = 10  # game minutes between sky updates while nothing else changes it
FUNCTION_KEY = re.compile(r"f(\d\d)")

# What the client says of itself rather than for the player: no reply at all.
SILENT = ("zvlstatus", "zvlwindow")

_WALKING = {alias: d.word for d in data.DIRECTIONS for alias in (d.word,) + d.aliases}
_MONSTERS = {m.home: m for m in data.MONSTERS}
_SPELLS = {s.name: s for s in data.SPELLS}

# The flash shown when a blow lands: dark red fading to black.
HURT_FLASH = ("600000", ("000000", 25))

# A reply either keeps the player in the game or ends the connection.
STAY, LEAVE = "stay", "leave"


class Player:
    def __init__(self, world, term, character):
        self.world = world
        self.term = term
        self.me = character
        self.status = Status()
        self.fight = None
        self._fight_task = None
        self._taken_over = None  # the task that ends this connection once another took over
        self.open_popups = set()
        self._commands = {
            "look": self._look, "l": self._look, "scan": self._scan,
            "say": self._say, "gossip": self._gossip,
            "kill": self._kill, "k": self._kill, "attack": self._kill, "flee": self._flee,
            "wield": self._wield, "remove": self._remove, "cast": self._cast,
            "sleep": self._sleep, "wake": self._wake,
            "score": self._score, "inventory": self._inventory, "i": self._inventory,
            "journal": self._journal, "group": self._group, "who": self._who, "time": self._time,
            "recall": self._recall, "colours": self._colours, "colors": self._colours,
            "clear": self._clear, "cls": self._clear,
            "help": self._help, "version": self._version, "quit": self._quit,
        }

    # The session.

    async def run(self, created):
        out = Output()
        self._enter(out, created)
        await self._send(out)
        try:
            while True:
                line = await self.term.line()
                if line is None or self._taken_over:
                    return
                verb, _, rest = line.strip().partition(" ")
                verb = verb.lower()
                if verb == "zvping":
                    await self.term.send(wire.event("zvpong"))
                    continue
                if verb in SILENT:
                    self._client_note(verb, rest.split())
                    continue
                out = Output()
                if self._command(out, verb, rest.strip()) == LEAVE:
                    await self._send(out, prompt=False)
                    await self.term.close()
                    return
                if not self.fight:
                    self.me.regenerate()
                await self._send(out)
        finally:
            self.fight = None
            if self._fight_task:
                self._fight_task.cancel()

    def take_over(self):
        """The character logged in on another connection: this one handles
        no more lines, and says so and closes without holding the new one up."""
        out = Output()
        out.line()
        out.line("Someone has entered Tarn Hollow as you from elsewhere.")
        out.raw(wire.event("logoff"))
        self.fight = None
        self._taken_over = asyncio.ensure_future(self._leave(out.data()))

    async def _leave(self, data):
        await self.term.send(data)
        await self.term.close()

    async def notify(self, message):
        """Something another player did reached this one: the message, then the prompt again."""
        await self.term.send(message + wire.text(PROMPT))

    async def _send(self, out, prompt=True):
        if prompt:
            self._sync(out)
            out.prompt()
        await self.term.send(out.data())
        for player, message in out.notices:
            await player.notify(message)

    def _client_note(self, verb, words):
        """Lines the client sends about itself: its settings report is taken
        as it is; popup windows opening and closing are remembered so that
        their content goes to them."""
        if verb == "zvlwindow" and len(words) == 2:
            if words[0] == "open":
                self.open_popups.add(words[1])
            elif words[0] == "close":
                self.open_popups.discard(words[1])

    def _command(self, out, verb, rest):
        if not verb:
            return STAY
        key = FUNCTION_KEY.fullmatch(verb)
        if key:
            return self._function_key(out, int(key.group(1)))
        if verb in _WALKING:
            self._walk(out, _WALKING[verb])
            return STAY
        handler = self._commands.get(verb)
        if handler is None:
            out.line("Huh? '%s' is not a command here. Type 'help' for the commands." % _clean(verb))
            return STAY
        return handler(out, rest) or STAY

    def _function_key(self, out, number):
        if not 1 <= number <= len(data.FUNCTION_KEYS):
            out.line("Nothing is bound to F%d." % number)
            return STAY
        verb, _, rest = data.FUNCTION_KEYS[number - 1][1].partition(" ")
        return self._command(out, verb, rest)

    # Entering the game.

    def _enter(self, out, created):
        me = self.me
        out.raw(tags.login(me.name))
        out.line(("Welcome to Tarn Hollow, %s." if created else "Welcome back, %s.") % me.name)
        out.line()
        out.raw(tags.sound(data.SOUNDS["welcome"]))
        for popup in data.POPUPS:
            out.raw(tags.window_create(popup.name, popup.title, popup.columns, popup.rows,
                                       popup.command, popup.options))
        for number in range(1, tags.HINT_BUTTONS + 1):
            if number <= len(data.HINT_BUTTONS):
                out.raw(tags.hint_button(number, *data.HINT_BUTTONS[number - 1]))
            elif number not in (data.FIGHT_BUTTON, data.SLEEP_BUTTON):
                out.raw(tags.hint_button(number))
        for number, (label, _) in enumerate(data.FUNCTION_KEYS, 1):
            out.raw(tags.function_key(number, label))
        welcome = wire.text(paint("%s gossips, 'Welcome to the hollow, %s!'" % (data.WATCHMAN, me.name),
                                  PURPLE) + texts.EOL)
        out.raw(tags.channel(data.GOSSIP, welcome))
        for other in self.world.others(self):
            out.notify(other, tags.channel(data.GOSSIP, welcome))
        if created:
            out.raw(tags.channel(data.NEWBIE, wire.text(paint(
                "%s tells newcomers, 'Type help me to get started.'" % data.WATCHMAN, CYAN) + texts.EOL)))
            out.raw(tags.config("hint_buttons", "flash"))
        out.raw(tags.map_tag(self.world.automap.payload(me.room)))
        self._describe(out)

    # What the client's displays show.

    def _sync(self, out):
        me, room = self.me, data.ROOMS[self.me.room]
        put = self.status.put
        put(out, "hp", tags.hp(me.hp.value, me.hp.maximum, me.mana.value, me.mana.maximum,
                               me.move.value, me.move.maximum))
        put(out, "group", tags.group([
            (me.hp.value, me.hp.maximum, me.mana.value, me.mana.maximum, me.move.value, me.move.maximum,
             me.name),
            (me.pet_hp.value, me.pet_hp.maximum, 0, 0, me.pet_move.value, me.pet_move.maximum,
             "-%s-" % me.pet_name)]))
        put(out, "icons", tags.icons([not me.wielding, me.asleep]
                                     + [spell in me.spells for spell in data.SPELLS]))
        put(out, "xpp", tags.xpp([me.experience]))
        put(out, "dirs", tags.dirs(not me.asleep, room.exits))
        put(out, "areaname", tags.areaname(room.area))
        clock = self.world.clock
        minute = clock.minute()
        overcast = clock.overcast(minute)
        put(out, "skystate", tags.skystate(room.outdoors, room.sky, overcast, self.world.automap.terrain(me.room),
                                           minute, clock.text(minute)),
            key=(room.outdoors, room.sky, overcast, minute // SKY_STEP))
        if self.fight:
            put(out, "fight button", tags.hint_button(data.FIGHT_BUTTON, "Flee", "flee"))
            put(out, "enemyhp", tags.enemyhp(self.fight.percent(), self.fight.monster.name))
        elif self._monster_here():
            put(out, "fight button", tags.hint_button(data.FIGHT_BUTTON, "Attack", "attack"))
        else:
            put(out, "fight button", tags.hint_button(data.FIGHT_BUTTON))
        put(out, "sleep button", tags.hint_button(data.SLEEP_BUTTON, *(("Wake", "wake") if me.asleep
                                                                        else ("Sleep", "sleep"))))

    def _to_popup(self, out, name, text):
        """Text for a popup: into its window while the client has it open
        (replacing what it showed), in the main text otherwise."""
        if name in self.open_popups:
            out.raw(tags.divert(name, wire.text(text)))
        else:
            out.text(text)

    def _note(self, out, entry):
        """A journal entry, added to the journal window as it happens."""
        line = "[%s] %s" % (self.world.clock.text(self.world.clock.minute()), entry)
        self.me.journal.append(line)
        out.raw(tags.append(data.JOURNAL, wire.text(line + texts.EOL)))

    # Looking and walking.

    def _monster_in(self, room):
        """The monster at home in room, unless this character killed it and it is not back yet."""
        monster = _MONSTERS.get(room)
        if monster is None or self.me.monster_back.get(monster.name, 0) > time.monotonic():
            return None
        return monster

    def _monster_here(self):
        return self._monster_in(self.me.room)

    def _describe(self, out):
        room = data.ROOMS[self.me.room]
        out.line(paint(room.name, CYAN, bright=True))
        for line in textwrap.wrap(room.description, 78):
            out.line(line)
        monster = self._monster_here()
        if monster:
            out.line(paint(monster.description, YELLOW))
        for other in self.world.others(self, self.me.room):
            out.line(paint("%s is here." % other.me.name, WHITE, bright=True))
        exits = " ".join(d.word for d in data.DIRECTIONS if d.word in room.exits)
        out.line(paint("[Exits: %s]" % exits, GREEN))

    def _look(self, out, rest=""):
        self._describe(out)

    def _scan(self, out, rest=""):
        room = data.ROOMS[self.me.room]
        for direction in data.DIRECTIONS:
            key = room.exits.get(direction.word)
            if key is None:
                continue
            monster = self._monster_in(key)
            seen = " (a %s)" % monster.name if monster else ""
            out.line("%-10s %s%s" % (direction.word + ":", data.ROOMS[key].name, seen))

    def _awake(self, out):
        if self.me.asleep:
            out.line("You are asleep. Type 'wake' first.")
        return not self.me.asleep

    def _walk(self, out, direction):
        me = self.me
        if not self._awake(out):
            return
        if self.fight:
            out.line("You are fighting! Type 'flee' to run away.")
            return
        target = data.ROOMS[me.room].exits.get(direction)
        if target is None:
            out.line("You cannot go %s from here." % direction)
            out.raw(tags.walkfail(direction))
            return
        if me.move.value < data.WALK_COST:
            out.line("You are too tired to walk. Sleep a while.")
            return
        me.move.change(-data.WALK_COST)
        me.pet_move.change(-data.WALK_COST)
        for other in self.world.others(self, me.room):
            out.notify(other, wire.text(texts.EOL + "%s leaves %s." % (me.name, direction)))
        self._move_to(out, target)
        for other in self.world.others(self, me.room):
            out.notify(other, wire.text(texts.EOL + "%s arrives." % me.name))

    def _move_to(self, out, target, jump=False):
        came_from, self.me.room = self.me.room, target
        level_changed = data.ROOMS[came_from].pos[2] != data.ROOMS[target].pos[2]
        out.raw(tags.map_tag(self.world.automap.payload(
            target, None if jump else came_from, JUMP if jump or level_changed else NO_TRANSITION)))
        sound = data.ROOMS[target].sound
        if sound:
            out.raw(tags.sound(data.SOUNDS[sound]))
        self._describe(out)

    def _recall(self, out, rest=""):
        if not self._awake(out):
            return
        if self.fight:
            self._end_fight(out)
        out.line(paint("You close your eyes and think of home. The world turns over.", PURPLE))
        self._move_to(out, data.START_ROOM, jump=True)

    # Talking.

    def _say(self, out, rest):
        if not rest:
            out.line("Say what?")
            return
        out.line(paint('You say, "%s"' % _clean(rest), YELLOW))
        for other in self.world.others(self, self.me.room):
            out.notify(other, wire.text(texts.EOL + paint('%s says, "%s"' % (self.me.name, _clean(rest)), YELLOW)))

    def _gossip(self, out, rest):
        if not rest:
            out.line("Gossip what?")
            return
        out.raw(tags.channel(data.GOSSIP, wire.text(paint("You gossip, '%s'" % _clean(rest), PURPLE)
                                                    + texts.EOL)))
        heard = tags.channel(data.GOSSIP, wire.text(paint("%s gossips, '%s'" % (self.me.name, _clean(rest)),
                                                          PURPLE) + texts.EOL))
        for other in self.world.others(self):
            out.notify(other, heard)

    # Fighting.

    def _kill(self, out, rest):
        if not self._awake(out):
            return
        monster = self._monster_here()
        if self.fight:
            out.line("You are already fighting the %s!" % self.fight.monster.name)
        elif rest and not (monster and len(rest) >= 2 and monster.name.startswith(rest.lower())):
            out.line("There is no %s here." % _clean(rest))
        elif monster is None:
            out.line("There is nothing here to fight.")
        else:
            fight = self.fight = Fight(monster, self.world.rng)
            out.raw(tags.combat(True))
            out.line(paint("You attack the %s!" % monster.name, WHITE, bright=True))
            self._round(out)
            if self.fight is fight:
                self._fight_task = asyncio.ensure_future(self._fight_rounds(fight))

    async def _fight_rounds(self, fight):
        """The rounds after the first, until this fight is over."""
        while True:
            await asyncio.sleep(ROUND_SECONDS)
            if self.fight is not fight:
                return
            out = Output()
            out.line()
            self._round(out)
            await self._send(out)

    def _round(self, out):
        me = self.me
        result = self.fight.round(me)
        for line in result.lines:
            out.line(line)
        for effect in result.sounds:
            out.raw(tags.sound(data.SOUNDS[effect]))
        if result.player_hurt:
            out.raw(tags.colour_flash(*HURT_FLASH))
        if result.monster_dead:
            self._win(out)
        elif result.player_dead:
            self._fall(out)

    def _end_fight(self, out):
        """The fight is over: the map's combat title goes, which also clears
        the enemy's bar; spells cast for it are spent."""
        self.fight = None
        self.me.spells = []
        out.raw(tags.combat(False))
        self.status.forget("enemyhp")

    def _win(self, out):
        me, monster = self.me, self.fight.monster
        out.raw(tags.enemyhp(0, monster.name))
        self._end_fight(out)
        me.kills += 1
        me.monster_back[monster.name] = time.monotonic() + monster.respawn
        self._note(out, "You slew a %s." % monster.name)
        if me.gain(monster.experience):
            out.line(paint("\aYou have reached level %d!" % me.level, YELLOW, bright=True))
            out.raw(tags.sound(data.SOUNDS["level"]))
            self._note(out, "You reached level %d." % me.level)

    def _fall(self, out):
        me, monster = self.me, self.fight.monster
        out.line(paint("Everything goes dark...", PURPLE, bright=True))
        self._end_fight(out)
        me.hp.value = me.hp.maximum // 2
        self._note(out, "You fell to a %s and woke at home." % monster.name)
        out.line(paint("You wake on the village green, aching all over.", PURPLE))
        self._move_to(out, data.START_ROOM, jump=True)

    def _flee(self, out, rest=""):
        if not self.fight:
            out.line("You are not fighting anyone.")
            return
        exits = data.ROOMS[self.me.room].exits
        direction = next((d.word for d in data.DIRECTIONS if d.word in exits), None)
        if direction is None:
            out.line("There is nowhere to flee!")
            return
        out.line(paint("You flee %s!" % direction, YELLOW))
        self._end_fight(out)
        self._move_to(out, exits[direction])

    def _wield(self, out, rest=""):
        if not self._awake(out):
            return
        if self.me.wielding:
            out.line("You already hold your sword.")
            return
        self.me.wielding = True
        out.line("You draw your short sword.")
        self._refresh_inventory(out)

    def _remove(self, out, rest=""):
        if not self._awake(out):
            return
        if not self.me.wielding:
            out.line("You are not holding anything.")
            return
        self.me.wielding = False
        out.line("You sheathe your short sword.")
        self._refresh_inventory(out)

    def _cast(self, out, rest):
        if not self._awake(out):
            return
        spell = _SPELLS.get(" ".join(rest.lower().strip("'\"").split()))
        if spell is None:
            out.line("Cast what? You know %s." % ", ".join(s.name for s in data.SPELLS))
        elif spell in self.me.spells:
            out.line("%s is already in force." % spell.name.capitalize())
        elif self.me.mana.value < data.CAST_COST:
            out.line("You are too tired to cast.")
        else:
            self.me.mana.change(-data.CAST_COST)
            self.me.spells.append(spell)
            out.line(paint("You utter the words of %s. It will serve you in your next fight." % spell.name,
                           PURPLE, bright=True))

    def _sleep(self, out, rest=""):
        if self.fight:
            out.line("Not while you are fighting!")
        elif self.me.asleep:
            out.line("You are already asleep.")
        else:
            self.me.asleep = True
            out.line("You lie down in the grass and fall asleep.")

    def _wake(self, out, rest=""):
        if not self.me.asleep:
            out.line("You are already awake.")
            return
        self.me.asleep = False
        self.me.rest()
        out.line("You wake, rested and whole. %s stretches beside you." % self.me.pet_name)

    # Information.

    def _score(self, out, rest=""):
        me = self.me
        out.line(paint("%s, level %d" % (me.name, me.level), WHITE, bright=True))
        out.line("Health %d/%d  mana %d/%d  movement %d/%d" % (me.hp.value, me.hp.maximum, me.mana.value,
                                                              me.mana.maximum, me.move.value, me.move.maximum))
        out.line("Experience %d.%d%% of the next level, %d kills" % (me.experience // 10, me.experience % 10,
                                                                     me.kills))
        if me.spells:
            out.line("In force: %s" % ", ".join(s.name for s in me.spells))

    def _inventory_text(self):
        sword = "a short sword (in your hand)" if self.me.wielding else "a short sword (sheathed)"
        return texts.EOL.join(["You carry:", "  " + sword, "  a brass lantern", "  a heel of bread", ""])

    def _inventory(self, out, rest=""):
        self._to_popup(out, data.INVENTORY, self._inventory_text())

    def _refresh_inventory(self, out):
        if data.INVENTORY in self.open_popups:
            out.raw(tags.divert(data.INVENTORY, wire.text(self._inventory_text())))

    def _journal(self, out, rest=""):
        lines = self.me.journal or ["Nothing has happened to you yet."]
        self._to_popup(out, data.JOURNAL, texts.EOL.join(lines + [""]))

    def _group(self, out, rest=""):
        me = self.me
        out.line("Your group:")
        out.line("  %-10s %d/%d health" % (me.name, me.hp.value, me.hp.maximum))
        out.line("  %-10s %d/%d health (your hound)" % (me.pet_name, me.pet_hp.value, me.pet_hp.maximum))
        self.status.forget("group")

    def _who(self, out, rest=""):
        out.line("Players in Tarn Hollow:")
        for player in sorted(self.world.playing.values(), key=lambda p: p.me.name):
            out.line("  %s, level %d" % (player.me.name, player.me.level))

    def _time(self, out, rest=""):
        clock = self.world.clock
        out.line("It is %s." % clock.text(clock.minute()))
        self.status.forget("skystate")

    def _colours(self, out, rest=""):
        out.text(texts.colour_card())

    def _clear(self, out, rest=""):
        out.text(CLEAR_SCREEN)

    def _help(self, out, rest):
        if not rest:
            out.text(texts.HELP)
        elif rest.lower() == "me":
            out.text(texts.HELP_ME)
        else:
            out.line("There is no help on '%s'. Try 'help' or 'help me'." % _clean(rest))

    def _version(self, out, rest=""):
        out.line(texts.VERSION + ".")

    def _quit(self, out, rest):
        if rest == "-check":
            out.text(texts.QUIT_CHECK)
            if self.fight:
                out.text(texts.QUIT_CHECK_FIGHTING % self.fight.monster.name)
            return STAY
        if rest not in ("", "-f"):
            out.line("'quit' leaves the game; 'quit -f' leaves even in a fight.")
            return STAY
        if self.fight and rest != "-f":
            out.line("No way! You are fighting for your life!")
            return STAY
        self.fight = None
        out.line()
        out.line("Farewell, %s. The tarn will wait for you." % self.me.name)
        out.raw(wire.event("logoff"))
        return LEAVE


def _clean(s):
    """Player text as the world repeats it: printable ASCII only."""
    return "".join(c if " " <= c <= "~" else "?" for c in s)

