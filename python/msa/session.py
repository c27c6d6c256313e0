"""A session as the program keeps it: the device, the settings and the
drive's state, each study starting from what the one before left."""
from ._msa import Device, Settings, State
from .stops import ModelStop
from . import studies


class Session:
    """The program's record, studies chained as in the main menu.

    Session() holds the title screen's defaults; the program then runs menu
    E at once (session.excitation()). Every study keeps the state it reached,
    a stopped one too (the exception is raised after), and menu S keeps its
    settings.
    """

    def __init__(self, device=None, settings=None, state=None):
        self.device = device if device is not None else Device()
        self.settings = settings if settings is not None else Settings()
        self.state = state if state is not None else State()

    def defaults(self, **device):
        """Menu R up to the data entry: the title screen's defaults (of the
        state, only its five quantities), then the device parameters given."""
        self.device = Device(**device)
        self.settings = Settings()
        self.state = self.state.with_defaults()

    def enter_data(self, **device):
        """Menu D's data entry: the parameters given replace those shown."""
        self.device = self.device.replace(**device)

    def _chained(self, study, *records, **answers):
        try:
            result = study(self.device, self.state, *records, **answers)
        except (ModelStop, KeyboardInterrupt) as stop:
            self._keep(getattr(stop, "result", None))
            raise
        self._keep(result)
        return result

    def _keep(self, result):
        if result is None:
            return
        self.state = result.state
        settings = getattr(result, "settings", None)
        if settings is not None:
            self.settings = settings

    def excitation(self, **answers):
        """Menu E (see msa.excitation)."""
        return self._chained(studies.excitation, **answers)

    def supply_voltage(self, **answers):
        """Menu U (see msa.supply_voltage)."""
        return self._chained(studies.supply_voltage, self.settings, **answers)

    def simulate(self, **answers):
        """Menu S (see msa.simulate)."""
        return self._chained(studies.simulate, self.settings, **answers)

    def __repr__(self):
        return f"Session({self.device!r}, {self.settings!r}, {self.state!r})"
