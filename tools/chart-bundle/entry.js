// The few parts of d3 the chart scripts use, as one global object (window.QuorvelD3): linear and
// logarithmic scales with their ticks, and number formats with a chosen decimal separator.
export { scaleLinear, scaleLog } from "d3-scale";
export { formatLocale } from "d3-format";
